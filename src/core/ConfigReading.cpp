#include "core/ConfigReading.h"

#include "app/Log.h"
#include "core/Game.h"

#include <OgreConfigFile.h>

namespace {

// Where a key's value comes from, first to last.
struct KeySources {
    const Ogre::ConfigFile& file;
    const Ogre::ConfigFile* gameTemplate;
};

bool readFrom(const Ogre::ConfigFile* file, const char* section, const SettingKey& key, Game& game,
              WindowPosition& position)
{
    return file && key.read(game, position, file->getSetting(key.name, section)) == SettingRead::value;
}

// A number the key cannot hold is named, once however often the key is
// applied; a text that holds no number is a new user's, and passes silently.
bool readFromConfig(const char* section, const SettingKey& key, const Ogre::ConfigFile& file, Game& game,
                    WindowPosition& position)
{
    const std::string text = file.getSetting(key.name, section);
    const SettingRead read = key.read(game, position, text);
    if (read == SettingRead::outOfRange)
        logLineOnce("[ERROR] config.ini: " + std::string(key.name) + " out of range, the template's value used: \""
                    + text + "\"");
    return read == SettingRead::value;
}

void applyKey(const char* section, const SettingKey& key, const KeySources& sources, Game& game,
              WindowPosition& position)
{
    if (!key.read)
        return;
    if (key.use == KeyUse::startsAtDefault) {
        key.read(game, position, key.defaultText);
        return;
    }
    if (readFromConfig(section, key, sources.file, game, position)
        || readFrom(sources.gameTemplate, section, key, game, position))
        return;
    if (key.use != KeyUse::ifPresent)
        key.read(game, position, key.defaultText);
}

template <typename Wanted>
WindowPosition applyKeys(Game& game, const KeySources& sources, Wanted wanted)
{
    WindowPosition position;
    for (const SettingSection& section : settingSections())
        for (const SettingKey& key : section.keys)
            if (wanted(section, key))
                applyKey(section.name, key, sources, game, position);
    return position;
}

// A folder that came with the template or from elsewhere wins over the one
// this program wrote last ("lastDirectorySaved", a key of the table).
void applyCarriedGameFolder(Game& game, const Ogre::ConfigFile& file)
{
    const std::string carried = file.getSetting("lastGameSaved", "debug");
    if (!carried.empty())
        game.gameFolder = carried;
    logLine("currentGameDirectory2 " + game.gameFolder);
}

} // namespace

int libraryFromText(const std::string& text)
{
    if (text == "D3D11" || text == "D3D")
        return 1;
    if (text == "OGL")
        return 2;
    return 0;
}

void applyConfig(Game& game, const Ogre::ConfigFile& file, const Ogre::ConfigFile* gameTemplate)
{
    applyKeys(game, {file, gameTemplate},
              [](const SettingSection&, const SettingKey& key) { return key.use != KeyUse::window; });
    applyCarriedGameFolder(game, file);
}

WindowPosition applyWindowConfig(Game& game, const Ogre::ConfigFile& file, const Ogre::ConfigFile* gameTemplate)
{
    return applyKeys(game, {file, gameTemplate},
                     [](const SettingSection&, const SettingKey& key) { return key.use == KeyUse::window; });
}

void applySetting(Game& game, const std::string& section, const std::string& name, const Ogre::ConfigFile& file,
                  const Ogre::ConfigFile* gameTemplate)
{
    applyKeys(game, {file, gameTemplate}, [&](const SettingSection& candidate, const SettingKey& key) {
        return candidate.name == section && key.name == name;
    });
}

void applySettingDefaults(Game& game)
{
    WindowPosition position;
    for (const SettingSection& section : settingSections())
        for (const SettingKey& key : section.keys)
            if (key.read)
                key.read(game, position, key.defaultText);
}
