#include "core/Game.h"

#include "app/Log.h"
#include "core/ConfigResource.h"
#include "core/ConfigText.h"

#include <cstdio>
#include <exception>
#include <fstream>

namespace {

enum class FileWrite { notOpened, failed, done };

// Writes the text beside the target and renames it over the target, so that
// a failure or a crash while writing leaves the old file whole.
FileWrite replaceFile(const std::string& target, const std::string& text)
{
    const std::string temporary = target + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return FileWrite::notOpened;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out && std::rename(temporary.c_str(), target.c_str()) == 0)
        return FileWrite::done;
    std::remove(temporary.c_str());
    return FileWrite::failed;
}

} // namespace

void Game::saveConfig()
{
    if (!hasConfigResource())
        return;
    // SDL leaves the preset position alone when it has nothing to report.
    int posX = 512;
    int posY = 512;
    if (sdlWindow)
        SDL_GetWindowPosition(sdlWindow, &posX, &posY);
    try {
        if (replaceFile(preferenceFolder + "/config.ini", configFileText(*this, posX, posY))
            == FileWrite::failed)
            logLine("Couldn't write config.ini file");
    } catch (const std::exception&) {
        logLine("Couldn't write config.ini file");
    }
}
