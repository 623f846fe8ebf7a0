#include "core/Game.h"

#include "app/Log.h"
#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/SettingValues.h"
#include "frontend/GameHUD.h"
#include "platform/Locale.h"

#include <OgreConfigFile.h>
#include <OgreMovableObject.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreStringConverter.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <algorithm>
#include <limits>

namespace {

const unsigned short japaneseLanguageId = 1041;

// The scene manager of play with its camera node and the two play cameras.
Ogre::SceneManager* createPlayScene()
{
    Ogre::SceneManager* scene = Ogre::Root::getSingleton().createSceneManager();
    if (Ogre::OverlaySystem* overlays = Ogre::OverlaySystem::getSingletonPtr())
        scene->addRenderQueueListener(overlays);
    Ogre::MovableObject::setDefaultVisibilityFlags(1);
    Ogre::MovableObject::setDefaultQueryFlags(0);
    scene->getRootSceneNode()->createChildSceneNode("CamNode1", Ogre::Vector3::ZERO,
                                                    Ogre::Quaternion::IDENTITY);
    logLine("sceneManager initialized");
    scene->createCamera("PlayCam");
    scene->createCamera("PlayCollisionCam");
    return scene;
}

// The desktop's language decides, whatever config.ini held.
std::string chooseLanguage()
{
    const unsigned short languageId = platform::userInterfaceLanguage();
    const std::string language = languageId == japaneseLanguageId ? "japanese" : "english";
    logLine("Langage is: " + language);
    logLine("LANGID is: " + Ogre::StringConverter::toString(static_cast<unsigned>(languageId)));
    return language;
}

// The black full-screen overlay, hidden; null when the game does not provide it.
Ogre::Overlay* fetchHiddenBlackOverlay()
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    Ogre::Overlay* black = overlays ? overlays->getByName("BlackBG") : nullptr;
    if (!black) {
        logLine("[ERROR] can't find overlay: BlackBG" + namedBy("the screen fade at start-up", ""));
        return nullptr;
    }
    black->hide();
    return black;
}

// The whole part of a stored decimal volume; a text that is no number keeps
// the current volume.
int wholeVolume(const std::string& text, int current)
{
    float value = 0.0f;
    if (parseSetting(text, value) != SettingRead::value)
        return current;
    return static_cast<int>(std::clamp<double>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

void Game::init()
{
    Ogre::ConfigFile config;
    if (loadConfigResource(config)) {
        Ogre::ConfigFile gameTemplate;
        applyConfig(*this, config, loadSettingsTemplate(gameTemplate, programFolder) ? &gameTemplate : nullptr);
    }
    sceneManager = createPlayScene();
    hud = new GameHUD();
    language = chooseLanguage();
    fadeOverlay = fetchHiddenBlackOverlay();
    resetGame();
}

void Game::loadSoundSettings()
{
    Ogre::ConfigFile config;
    if (!loadConfigResource(config))
        return;
    musicVolume = wholeVolume(config.getSetting("musicVolume", "sound"), musicVolume);
    sfxVolume = wholeVolume(config.getSetting("sfxVolume", "sound"), sfxVolume);
}
