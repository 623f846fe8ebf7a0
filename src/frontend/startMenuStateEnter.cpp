// Entering and leaving the start menu: the dark scene, the background
// picture and the logo, the screens built from the menu layout, and the
// game's own music and menu sounds.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "app/OverlayTextFonts.h"
#include "app/OverlayWidget.h"
#include "app/ResourceLookup.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"
#include "data/LevelPreReads.h"
#include "frontend/GameHUD.h"
#include "platform/sound/Sound.h"
#include "platform/sound/SoundMode.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreGpuProgramManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreRenderSystem.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <SDL.h>

#include <algorithm>

namespace {

const char* const backgroundPanelName = "PanelMenuBG";
const char* const backgroundOverlayName = "OverlayMenuBG";
const char* const backgroundSuffix = "BGS_startMenu";
const char* const plainBackgroundMaterial = "Examples/OverlayMaterial";
const char* const debugElementName = "DebugMenu/Game";
constexpr float menuFadeIn = 0.6f;
constexpr float logoFadeIn = 0.4f;
// The logo grows in from twice its size (the widget counts in percent).
constexpr float logoStartScalePercent = 200.0f;
constexpr float referenceAspect = 1.33333f;
constexpr float fullVolume = 1.0f;

// "none" names no picture.
bool isNamed(const std::string& name) { return !name.empty() && name != "none"; }

void dropMaterial(const std::string& name)
{
    if (const Ogre::MaterialPtr material = findMaterial(name))
        Ogre::MaterialManager::getSingleton().remove(material);
}

void hideDebugElement()
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    if (overlays.hasOverlayElement(debugElementName))
        overlays.getOverlayElement(debugElementName)->hide();
}

} // namespace

void startMenuState::enter(Ogre::RenderWindow* window)
{
    logLine("start menu will init start");
    game = Game::getSingletonPtr();
    root = Ogre::Root::getSingletonPtr();
    renderWindow = window;
    isControllerConnected = isStartingGame = false;
    parentScreens.clear();
    logo.reset();
    highScores.reset();
    clock = holdTime = inputDelay = 0.0;
    game->gameMode = gameModeBackToStartMenu;
    if (game->hud)
        game->hud->hideLoading();
    resolveFontSources();
    mendOverlayTextFonts();
    createScene();
    highScores = std::make_unique<HighScoreMenu>();
    highScores->create(nullptr, nullptr);
    renderFrame();
    buildScreens(readLevelShadows(*game));
    createBackground();
    hideDebugElement();
    refreshOptionTexts();
    layoutBackground();
    createLogo();
    updateSelection();
    showFirstScreen();
    startSounds();
    setMasterVolume(game->isSoundOn ? game->masterVolume : 0);
    SDL_ShowCursor(SDL_DISABLE);
    game->cancelBackgroundFade();
    game->startFadeIn(menuFadeIn);
    logLine("start menu initialized");
}

void startMenuState::createScene()
{
    scene.create(renderWindow);
    root->getRenderSystem()->_setViewport(scene.viewport);
}

void startMenuState::createBackground()
{
    if (isNamed(game->startMenuLogoGfx)) {
        dropMaterial(game->startMenuLogoGfx);
        createScrollingPictureMaterial(game->startMenuLogoGfx, "");
    }
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    destroyBackground();
    backgroundPanel = overlays.createOverlayElement("Panel", backgroundPanelName);
    backgroundPanel->setMetricsMode(Ogre::GMM_RELATIVE);
    backgroundPanel->setHorizontalAlignment(Ogre::GHA_CENTER);
    backgroundPanel->setVerticalAlignment(Ogre::GVA_CENTER);
    backgroundOverlay = overlays.create(backgroundOverlayName);
    backgroundOverlay->add2D(static_cast<Ogre::OverlayContainer*>(backgroundPanel));
    const std::string& background = game->startMenuBackground;
    if (background.empty()) {
        backgroundPanel->setMaterialName(plainBackgroundMaterial);
    } else {
        dropMaterial(background + backgroundSuffix);
        const Ogre::MaterialPtr material = createScrollingPictureMaterial(background, backgroundSuffix);
        if (material) {
            backgroundPanel->setMaterial(material);
            setPictureScrollSpeed(material, game->startMenuBGScrollSpeed);
        }
    }
    backgroundOverlay->setZOrder(0);
    backgroundPanel->show();
    backgroundOverlay->show();
}

void startMenuState::destroyBackground()
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    if (overlays.hasOverlayElement(backgroundPanelName))
        overlays.destroyOverlayElement(backgroundPanelName);
    if (overlays.getByName(backgroundOverlayName))
        overlays.destroy(backgroundOverlayName);
    backgroundPanel = nullptr;
    backgroundOverlay = nullptr;
}

void startMenuState::layoutBackground()
{
    if (backgroundPanel && !game->startMenuBackground.empty()) {
        const Ogre::TextureUnitState* unit = unitAt(backgroundPanel->getMaterial(), 0, 0, 0);
        const auto size = unit ? unit->getTextureDimensions() : std::pair<std::size_t, std::size_t>(1, 1);
        // A texture that cannot be read counts as square.
        const float picture = size.first > 0 && size.second > 0
                                  ? static_cast<float>(size.first) / static_cast<float>(size.second)
                                  : 1.0f;
        const float window = windowAspect();
        if (game->isStartMenuBGWidthAligned)
            backgroundPanel->setDimensions(1.0f, window / picture);
        else
            backgroundPanel->setDimensions(picture / window, 1.0f);
        backgroundPanel->setPosition(-0.5f * backgroundPanel->getWidth(), -0.5f * backgroundPanel->getHeight());
    }
    if (logo)
        logo->createContent();
}

void startMenuState::createLogo()
{
    if (Ogre::RenderSystem* system = root->getRenderSystem())
        system->clearFrameBuffer(Ogre::FBT_COLOUR, Ogre::ColourValue::Black);
    logo = std::make_unique<OverlayWidget>();
    logo->text = game->gameScreenName;
    logo->pictureName = isNamed(game->startMenuLogoGfx) ? game->startMenuLogoGfx : std::string();
    logo->isText = game->startMenuLogoIsText;
    logo->fontName = game->startMenuLogoFont;
    logo->charHeight = static_cast<unsigned>(std::max(game->startMenuLogoFontSize, 0));
    logo->colour = game->startMenuLogoFontColour;
    logo->scaleX = logo->scaleY = game->startMenuLogoGfxSize;
    placeLogo();
    logo->isScaleIn = game->isLogoAnimatedTransition;
    logo->startScale = Ogre::Vector2(logoStartScalePercent, logoStartScalePercent);
    logo->appearDuration = logoFadeIn;
    logo->create();
    logo->setupAnimation();
    logo->createContent();
    logo->updateCharHeight();
}

void startMenuState::placeLogo()
{
    if (!logo)
        return;
    const Ogre::Vector2 place = game->startMenuLogoPosition;
    logo->position = Ogre::Vector2(place.x * referenceAspect / windowAspect(), place.y);
    if (logo->overlay)
        logo->overlay->setScroll(logo->position.x * logo->scaleX, logo->position.y * logo->scaleY);
}

void startMenuState::startSounds()
{
    setMasterVolume(game->masterVolume);
    setMusicVolume(game->musicVolume);
    setEffectsVolume(game->sfxVolume);
    if (!game->startMenuMusic.empty()) {
        playMusicNow(game->startMenuMusic, fullVolume);
        resumeMusic();
    }
    logLine("start menu music initialized");
    pauseEffects(false);
    pauseMusic(false);
    for (const std::string* name : {&game->startMenuClick, &game->startMenuValidate, &game->startMenuBack,
                                    &game->startMenuGo, &game->startMenuStartsGame})
        if (!name->empty())
            loadSound(*name, false, false, false, false);
    if (game->startMenuStartsGame.empty())
        return;
    if (platform::Sound* sound = loadSoundFromBank(game->startMenuStartsGame)) {
        sound->setMode(platform::soundLoopOff);
        startSoundLength = sound->getLength();
    }
}

void startMenuState::exit()
{
    destroyScreens();
    if (highScores)
        highScores->destroy();
    highScores.reset();
    logo.reset();
    destroyBackground();
    dropMaterial(game->startMenuBackground + backgroundSuffix);
    if (isNamed(game->startMenuLogoGfx))
        dropMaterial(game->startMenuLogoGfx);
    scene.destroy(renderWindow);
    Ogre::MeshManager::getSingleton().unloadUnreferencedResources();
    Ogre::MaterialManager::getSingleton().unloadUnreferencedResources();
    Ogre::TextureManager::getSingleton().unloadUnreferencedResources();
    Ogre::GpuProgramManager::getSingleton().unloadUnreferencedResources();
    releaseMusic();
}

void startMenuState::renderFrame()
{
    if (root && root->getRenderSystem())
        root->renderOneFrame();
}
