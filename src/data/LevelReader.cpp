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

#include <utility>

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

void logCount(std::size_t count, const char* what)
{
    logLine("Scene: " + std::to_string(count) + " " + what);
}

} // namespace

LevelFile::LevelFile(std::string name) : fileName(std::move(name))
{
    const std::string group = levelGroup(fileName);
    if (group.empty())
        return;
    Ogre::String path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    xml = parseXmlResource(baseName, group);
    if (!xml)
        logUnusedFile("level file", fileName, failureLine);
}

bool LevelFile::walk(const std::function<void(XmlNode* root)>& walk) const
{
    if (!xml)
        return false;
    const XmlFileScope scope(baseName);
    walk(xml->firstElement());
    return true;
}

void readLevelLighting(const LevelFile& file, Level& level)
{
    file.walk([&level](XmlNode* root) {
        const XmlNode* settings = root->first_node("Level");
        const XmlNode* sun = settings ? settings->first_node("Sun") : nullptr;
        if (!sun)
            return;
        const SectionValues values(sun);
        level.isShadows = values.flag("isShadows", Need::required, 0) != 0;
        level.isSpriteLighting = values.flag("isSpriteLighting", Need::optional, level.isSpriteLighting) != 0;
    });
}

void readLevel(const LevelFile& file, Level& level, Player& player, std::vector<Wave*>& waves,
               std::vector<Item*>& items, std::vector<Trigger*>& triggers, std::vector<sfx*>& effects,
               const std::map<std::string, Wave*>& waveLibrary, std::vector<background*>& levelEntities,
               const std::map<std::string, background*>& backgroundLibrary,
               const std::map<std::string, Item*>& itemLibrary)
{
    file.walk([&](XmlNode* root) {
        if (const XmlNode* ship = root->first_node("player"))
            readPlayer(*ship, player, &level, PlayerElementMode::instance);
        else
            logLine("[ERROR] level file without player: " + file.name());
        const XmlNode* settings = root->first_node("Level");
        if (!settings)
            return;
        readLevelSettings(*settings, level);
        readLevelWaves(*root, waves, &level, &player, waveLibrary);
        readCameraPath(*root, level);
        readLevelItems(*root, &level, items, itemLibrary, &player);
        readLevelSfxs(*root, effects, &level);
        readLevelBackgrounds(*root, levelEntities, backgroundLibrary);
        readLevelTriggers(*root, triggers, &level);
        logCount(waves.size(), "enemies");
        logCount(levelEntities.size(), "backgrounds");
        logCount(triggers.size(), "triggers");
        logCount(effects.size(), "sfxs");
    });
}
