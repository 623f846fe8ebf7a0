#include "data/LevelReader.h"

#include "app/Log.h"
#include "data/BackgroundsReader.h"
#include "data/CameraPathReader.h"
#include "data/ItemsReader.h"
#include "data/LevelSettingsReader.h"
#include "data/LevelSfxReader.h"
#include "data/LevelWavesReader.h"
#include "data/PlayersReader.h"
#include "data/SectionValues.h"
#include "data/TriggerReader.h"
#include "play/Level.h"

#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>

#include <functional>

namespace {

const char* const gameGroup = "GAMERSC";
const char* const engineGroup = "Media";
const char* const fallbackFileName = "default.level";
const char* const failureLine = "Error creating tinyxml2::XMLDocument";

// Whether the group holds the file under its name and under its base name,
// the name it is opened by.
bool holds(const std::string& group, const std::string& fileName)
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    if (!resources.resourceGroupExists(group) || !resources.resourceExists(group, fileName))
        return false;
    Ogre::String baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    return resources.resourceExists(group, baseName);
}

// The group the level is read from, the file name becoming the fallback's
// when the game lacks it; empty when the engine lacks the fallback too.
std::string levelGroup(std::string& fileName)
{
    if (holds(gameGroup, fileName))
        return gameGroup;
    const std::string missing = fileName;
    fileName = fallbackFileName;
    if (holds(engineGroup, fileName))
        return engineGroup;
    logLine("[ERROR] level file not found, nor " + fileName + ": " + missing);
    return "";
}

// Whether a file that does not parse is reported by name: the whole read
// reports it, the read of the sun's switches before it does not repeat it.
enum class Damage { quiet, reported };

// Hands the root of the level file to `walk`; a file that does not parse,
// or holds no element, gives the parse-failure line instead, and nothing of
// it is used: the level plays with what it had, the camera on its default
// path.
void readLevelFile(std::string& fileName, Damage damage, const std::function<void(XmlNode& root)>& walk)
{
    const std::string group = levelGroup(fileName);
    if (group.empty())
        return;
    Ogre::String baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    if (!readXmlResource(baseName, group, walk) && damage == Damage::reported)
        logUnusedFile("level file", fileName, failureLine);
}

void logCount(std::size_t count, const char* what)
{
    logLine("Scene: " + std::to_string(count) + " " + what);
}

} // namespace

void readLevelLighting(std::string& fileName, Level& level)
{
    readLevelFile(fileName, Damage::quiet, [&level](XmlNode& root) {
        const XmlNode* settings = root.first_node("Level");
        const XmlNode* sun = settings ? settings->first_node("Sun") : nullptr;
        if (!sun)
            return;
        const SectionValues values(sun);
        level.isShadows = values.flag("isShadows", Need::required, 0) != 0;
        level.isSpriteLighting = values.flag("isSpriteLighting", Need::optional, level.isSpriteLighting) != 0;
    });
}

void readLevel(std::string& fileName, Level& level, Player& player, std::vector<Wave*>& waves,
               std::vector<Item*>& items, std::vector<Trigger*>& triggers, std::vector<sfx*>& effects,
               const std::map<std::string, Wave*>& waveLibrary, std::vector<background*>& levelEntities,
               const std::map<std::string, background*>& backgroundLibrary,
               const std::map<std::string, Item*>& itemLibrary)
{
    readLevelFile(fileName, Damage::reported, [&](XmlNode& root) {
        if (const XmlNode* ship = root.first_node("player"))
            readPlayer(*ship, player, &level, PlayerElementMode::instance);
        else
            logLine("[ERROR] level file without player: " + fileName);
        const XmlNode* settings = root.first_node("Level");
        if (!settings)
            return;
        readLevelSettings(*settings, level);
        readLevelWaves(root, waves, &level, &player, waveLibrary);
        readCameraPath(root, level);
        readLevelItems(root, &level, items, itemLibrary, &player);
        readLevelSfxs(root, effects, &level);
        readLevelBackgrounds(root, levelEntities, backgroundLibrary);
        readLevelTriggers(root, triggers, &level);
        logCount(waves.size(), "enemies");
        logCount(levelEntities.size(), "backgrounds");
        logCount(triggers.size(), "triggers");
        logCount(effects.size(), "sfxs");
    });
}
