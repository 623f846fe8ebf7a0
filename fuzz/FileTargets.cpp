// Fuzz targets of the files read at start-up: the player's settings and
// high scores, the game file and the game's texts, the engine's scripts; and
// a sprite picture's pixels traced into a collision outline.
#include "FuzzTarget.h"

#include "app/ResourceListeners.h"
#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "data/GameFileReader.h"
#include "data/HighScoreReader.h"
#include "data/LocalizationReader.h"
#include "platform/ControllerDatabase.h"
#include "world/AutoOutline.h"

#include <OgreConfigFile.h>
#include <OgreGpuProgramManager.h>
#include <OgreMovableObject.h>
#include <OgreParticleSystemManager.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgrePixelFormat.h>
#include <OgreResourceGroupManager.h>
#include <OgreTextureManager.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const spriteGroup = "GAMERSC";
const char* const spriteFileName = "sprite.raw";
const char* const scriptGroup = "Media";

Game& game() { return *Game::getSingletonPtr(); }

void readSettings()
{
    Ogre::ConfigFile file;
    if (loadConfigResource(file))
        applyConfig(game(), file);
    game().loadSoundSettings();
}

void readScores() { readHighScores(game()); }

void readGame()
{
    readGameFile(game());
    game().languageTables.clear();
}

void readLanguage()
{
    std::string language = "english";
    std::map<std::string, textEntry> table;
    readLocalization(game(), language, table);
    game().languageTables.clear();
}

void readTags()
{
    std::map<std::string, std::string> table;
    readLocalizationTags("english_localization.xml", table);
}

// Programs and textures are made by the render system's managers; without
// one, Ogre's own managers make programs this build does not support (as a
// renderer lacking a program's language does) and textures that hold nothing.
void prepareScripts()
{
    if (!Ogre::GpuProgramManager::getSingletonPtr())
        new Ogre::GpuProgramManager;
    if (!Ogre::TextureManager::getSingletonPtr())
        new Ogre::DefaultTextureManager;
    installResourceListeners();
}

// A script of any kind (material, program, particle system, compositor,
// overlay) parsed as the game parses its groups, through the translator
// guard and the listeners it installs. What the input before made goes
// first, so that each input is parsed afresh.
void readScript()
{
    Ogre::ResourceGroupManager::getSingleton().clearResourceGroup(scriptGroup);
    Ogre::ParticleSystemManager::getSingleton().removeTemplatesByResourceGroup(scriptGroup);
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    overlays.destroyAll();
    overlays.destroyAllOverlayElements(false);
    overlays.destroyAllOverlayElements(true);
    initialiseScriptGroup(scriptGroup);
}

// The stored input is a picture: width - 1, height - 1, frames across and
// down, then its RGBA pixels (missing ones clear). It lives in the input's
// resource group, as the game's pictures do, not on the disk.
void traceSprite()
{
    const std::string text = fuzzInputText();
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (bytes.size() < 4)
        return;
    const std::uint32_t width = bytes[0] + 1u;
    const std::uint32_t height = bytes[1] + 1u;
    const Ogre::Vector2 frames(bytes[2], bytes[3]);
    bytes.erase(bytes.begin(), bytes.begin() + 4);
    bytes.resize(std::size_t{width} * height * 4, 0);
    traceAutoOutline(Ogre::PixelBox(width, height, 1, Ogre::PF_BYTE_RGBA, bytes.data()), frames);
}

void readControllers()
{
    std::istringstream text(fuzzInputText());
    platform::readControllerMappings(text, "Linux");
}

} // namespace

std::vector<FuzzTarget> fileTargets()
{
    return {
        {"settings", "ini", "config.ini", {}, nullptr, readSettings},
        {"high_scores", "GAMERSC", "high.scores", {}, nullptr, readScores},
        // The level file lets the level list, and with it the high scores, be read.
        {"game_file", "GAMERSC", "Skyward.game", {"Level01.level"}, nullptr, readGame},
        {"localization", "GAMERSC", "default.localization", {}, nullptr, readLanguage},
        {"localization_tags", "GAMERSC", "english_localization.xml", {}, nullptr, readTags},
        {"scripts", scriptGroup, "engine.material", {}, prepareScripts, readScript},
        {"sprite_outline", spriteGroup, spriteFileName, {}, nullptr, traceSprite},
        {"controller_db", "ini", "gamecontrollerdb.txt", {}, nullptr, readControllers},
    };
}
