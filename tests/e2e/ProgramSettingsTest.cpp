// Starts the real program, from a working folder other than its own, with
// settings files a new user may have: each start must fill SDL's window with
// the render window (also after a resize), open the sound banks, close
// cleanly, and write back the template's controls and volumes and the window
// values it used.
#include "support/ProgramRun.h"
#include "support/X11Windows.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <regex>
#include <thread>
#include <vector>

namespace {

const std::string settingsPath = "share/Zarnith/zarnith/config.ini";

// The template with the keys given set to other values.
std::string withValues(std::string text, const std::vector<std::pair<std::string, std::string>>& values)
{
    for (const auto& [key, value] : values)
        text = std::regex_replace(text, std::regex("\n( ?" + key + " +=) [^\n]*\n"), "\n$1 " + value + " \n");
    return text;
}

std::string sectionText(const std::string& file, const std::string& name)
{
    const std::size_t start = file.find("[" + name + "]");
    return start == std::string::npos ? std::string() : file.substr(start, file.find("\n\n", start) - start);
}

bool eventually(const std::function<bool()>& holds, int seconds = 20)
{
    for (int tenth = 0; tenth < seconds * 10; ++tenth, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
        if (holds())
            return true;
    return false;
}

// SDL's window holds one window, the render window, of its own size.
bool renderWindowFills(unsigned long window)
{
    const std::vector<WindowGeometry> windows = windowGeometries(window);
    return windows.size() == 2 && windows[1].width == windows[0].width && windows[1].height == windows[0].height;
}

struct HostileSettings {
    const char* name;
    std::vector<std::pair<std::string, std::string>> values; // over the template; none: an empty file
    int mode;           // the screen mode written back
    // The windowed size written back, on a 1920x1080 screen, once the player
    // has made the window 100 narrower and 50 lower (never below 1280x720).
    int width, height;
};

const std::vector<HostileSettings> hostileSettings = {
    {"beyond any desktop", {{"width", "2147483647"}, {"height", "2147483647"}}, 0, 1724, 976},
    {"full-screen size beyond the desktop and of nothing",
     {{"fullscreen", "2"}, {"fullScreenWidth", "100000"}, {"fullScreenHeigth", "0"}}, 2, 1280, 720},
    {"no numbers, and less room below than the smallest window",
     {{"width", "wide"}, {"posX", "left"}, {"posY", "400"}, {"fullscreen", "banana"}, {"fullScreenWidth", "huge"},
      {"masterVolume", "loud"}, {"upKey", "up"}, {"deadzone", "x"}},
     0, 1280, 720},
    {"empty file", {}, 0, 1280, 720},
    {"no [debug] section", {{"debug", ""}}, 0, 1280, 720},
};

void startAndClose(const HostileSettings& hostile)
{
    ProgramRun run; // its own copy: a failed case leaves nothing running for the next
    run.workingFolder = "elsewhere/";
    boost::filesystem::create_directories(run.folder().path() + run.workingFolder);
    const std::string settingsTemplate = run.folder().read("game/data/config.ini_");
    std::string text = hostile.values.empty() ? "" : withValues(settingsTemplate, hostile.values);
    if (!hostile.values.empty() && hostile.values.front().first == "debug")
        text = text.substr(0, text.find("[debug]"));
    run.folder().write(settingsPath, text);

    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    unsigned long window = 0;
    ASSERT_TRUE(eventually([&] { return (window = findWindowByTitle(sampleWindowTitle, pid)) != 0; }));
    // The start menu keeps the window from shrinking below its smallest size;
    // the splash pictures before it only follow the window. Without focus
    // (these settings do not render in the background) the game stands still.
    ASSERT_TRUE(eventually([&] {
        giveKeyboardFocus(window);
        return run.logText().find("start menu initialized") != std::string::npos;
    }, 60)) << run.logText();
    EXPECT_TRUE(eventually([&] { return renderWindowFills(window); }));
    const WindowGeometry shown = windowGeometries(window).at(0);
    ASSERT_TRUE(resizeWindow(window, shown.width - 100, shown.height - 50));
    const auto isResized = [&] {
        const WindowGeometry now = windowGeometries(window).at(0);
        return renderWindowFills(window) && (hostile.mode != 0 || (now.width == hostile.width && now.height == hostile.height));
    };
    EXPECT_TRUE(eventually(isResized));
    const WindowGeometry resized = windowGeometries(window).at(0);
    ASSERT_TRUE(requestWindowClose(window));
    ASSERT_EQ(run.wait(pid, 60), 0) << run.logText();

    const std::string log = run.logText();
    EXPECT_NE(log.find("sounds banks loading: " + run.gameDir() + "//data/Sounds/musics.tzn"), std::string::npos);
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
    const std::string written = run.folder().read(settingsPath);
    for (const char* section : {"sound", "pad", "keyboard"})
        EXPECT_EQ(sectionText(written, section), sectionText(settingsTemplate, section));
    // The game is the program folder's, never a name looked for from the working folder.
    EXPECT_NE(written.find("\nlastDirectorySaved = .\n"), std::string::npos);
    EXPECT_EQ(storedSetting(written, "fullscreen"), hostile.mode);
    EXPECT_EQ(storedSetting(written, "width"), hostile.width);
    EXPECT_EQ(storedSetting(written, "height"), hostile.height);
    if (hostile.mode == 0) { // without a window manager there is no frame: the window's own size and place
        EXPECT_EQ(std::vector<int>({resized.width, resized.height, resized.x, resized.y}),
                  std::vector<int>({hostile.width, hostile.height, storedSetting(written, "posX"), storedSetting(written, "posY")}));
    } else {
        EXPECT_EQ(std::make_pair(storedSetting(written, "fullScreenWidth"), storedSetting(written, "fullScreenHeigth")),
                  std::make_pair(1920, 1080));
    }
}

TEST(ProgramSettings, HostileSettingsStillStartFromAnyFolderAndAreRepaired)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const WindowGeometry screen = windowGeometries(0).at(0);
    if (screen.width != 1920 || screen.height != 1080)
        GTEST_SKIP() << "the expected sizes are those of a 1920x1080 screen";
    for (const HostileSettings& hostile : hostileSettings) {
        SCOPED_TRACE(hostile.name);
        startAndClose(hostile);
    }
}

} // namespace
