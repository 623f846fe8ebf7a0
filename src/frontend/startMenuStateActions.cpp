// What a validated start-menu entry does: open a screen or go back, apply
// sound, pad and video settings at once, restore defaults, open a web page,
// quit, or start the game once its sound and fade have played out.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "app/DynamicResolution.h"
#include "app/OverlayWidget.h"
#include "app/RenderSettings.h"
#include "core/FadeStates.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"
#include "frontend/videoModeChoices.h"
#include "platform/WebPage.h"
#include "play/playState.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

const char* const soundScreenName = "SOUNDMENU";
// The start sound is cut a little short so that the game follows it closely.
constexpr double startSoundShare = 0.96;
constexpr double millisecond = 0.001;
// The fade out before play follows the start sound, within these bounds.
constexpr double longestPulse = 20.0;
constexpr double longestFade = 8.0;
constexpr double shortestFade = 0.9;
constexpr double fadeShareOfSound = 0.9;
constexpr float musicFadeOut = 0.4f;
// Video settings.
constexpr int antialiasingLevel = 4;
constexpr unsigned highShadowTextureSize = 2048;
constexpr unsigned lowShadowTextureSize = 1024;
// A portrait window is narrowed and given a 3:4 shape.
constexpr double portraitNarrowing = 0.95;
constexpr double portraitHeightRatio = 1.3333333333333333;

void playMenuSound(const std::string& name) { playSound(name, 0.0f, noSoundPosition, false); }

// The resolution chosen on the video screen; false when it offers none.
bool chosenResolution(startMenuState& menu, unsigned& width, unsigned& height)
{
    const menuButton* entry = menu.findButton(startMenuState::videoScreenName, "RESOLUTION");
    if (!entry || entry->choices.empty())
        return false;
    const auto last = static_cast<std::int32_t>(entry->choices.size()) - 1;
    return parseVideoMode(entry->choices[static_cast<std::size_t>(std::clamp(entry->choiceIndex, 0, last))], width,
                          height);
}

} // namespace

void startMenuState::validate()
{
    startMenuScreen* screen = findScreen(currentScreen);
    if (!screen || selectedIndex >= screen->entries.size())
        return;
    const menuButton& entry = *screen->entries[selectedIndex];
    const std::string& name = entry.fonctionName;
    if (entry.type == menuDeactivated) {
        // The layout reader named an entry whose screen is missing.
        if (findScreen(name))
            openScreen(name);
    } else if (name == "SOUNDONOFF") {
        playMenuSound(game->startMenuClick);
        game->isSoundOn = getOptionValue(soundScreenName, "SOUNDONOFF") != 0;
        setMasterVolume(game->isSoundOn ? game->masterVolume : 0);
    } else if (entry.type == menuSpinnerChoice) {
        playMenuSound(game->startMenuClick);
        changeVolume(entry);
    } else if (entry.type == menuBackScreen) {
        back();
    } else if (entry.type == menuStartWebPage) {
        if (!name.empty())
            platform::openWebPage(name);
    } else if (entry.type == menuChoice) {
        if (name == "STARTGAME")
            startGame();
        else if (name == "EXITGAME") {
            game->saveConfig();
            game->gameMode = gameModeQuit;
        } else if (name == "APPLYGFX")
            applyGraphics();
        else if (name == "CTRLDEFAULT")
            restorePadControls();
        else if (name == "CTRLKBDEFAULT")
            restoreKeyboardControls();
        if (name == "SOUNDDEFAULT")
            restoreSound();
    }
}

void startMenuState::changeVolume(const menuButton& entry)
{
    const std::int32_t value = entry.choiceIndex;
    const std::string& name = entry.fonctionName;
    if (name == "SOUNDMASTERVOLUME") {
        game->masterVolume = value;
        // Sound switched off keeps the master volume silent until it is switched on.
        setMasterVolume(game->isSoundOn ? value : 0);
    } else if (name == "SOUNDMUSICVOLUME") {
        game->musicVolume = value;
        setMusicVolume(value);
    } else if (name == "SOUNDSFXVOLUME") {
        game->sfxVolume = value;
        setEffectsVolume(value);
    } else if (name == "BUTTONDEADZONE") {
        game->deadzone = value;
    }
}

void startMenuState::startGame()
{
    if (game->levels.empty())
        return;
    playMenuSound(game->startMenuStartsGame);
    clock = 0.0;
    const double pulse = startSoundLength * millisecond * startSoundShare;
    double fade = longestFade;
    startPulseTime = static_cast<float>(std::min(pulse, longestPulse));
    if (pulse <= longestPulse)
        fade = std::min(std::max(shortestFade, fadeShareOfSound * pulse), longestFade);
    game->startFadeOut(static_cast<float>(fade));
    firstLevel = game->levels.front()->name;
    isStartingGame = true;
    fadeOutMusic(musicFadeOut);
}

bool startMenuState::isReadyToPlay() const
{
    return isStartingGame && game->fadeState == fadedOut && clock > startPulseTime;
}

void startMenuState::enterPlay()
{
    game->saveConfig();
    stopMusic();
    if (game->hud)
        game->hud->showLoading();
    renderFrame();
    game->isNewGame = true;
    game->resetGame();
    game->levelName = firstLevel;
    GameManager::getSingleton().changeState(playState::getInstance());
}

void startMenuState::applyGraphics()
{
    playMenuSound(game->startMenuClick);
    const int oldMode = game->fullscreen;
    game->fullscreen = getOptionValue(videoScreenName, "FULLSCREEN");
    unsigned width = 0;
    unsigned height = 0;
    if (game->fullscreen != 0 && chosenResolution(*this, width, height)) {
        game->fullScreenWidth = width;
        game->fullScreenHeigth = height;
    }
    bool wasPortrait = game->isPortrait;
    const bool isAntialiased = FSAA > 0 && getOptionValue(videoScreenName, "ANTIALIASING") >= 1;
    collectFSAAValues(*game, isAntialiased ? antialiasingLevel : 0);
    game->isPortrait = getOptionValue(videoScreenName, "TATE") != 0;
    if (game->fullscreen == 0 || oldMode != 0) {
        if (renderWindow && renderWindow->getWidth() < renderWindow->getHeight()) {
            game->width = static_cast<int>(game->width * portraitNarrowing);
            game->height = static_cast<int>(game->width * portraitHeightRatio);
        }
    } else {
        // From a window to a full screen: portrait is a window's shape only.
        game->isPortrait = wasPortrait = false;
    }
    game->changeResolution();
    game->shadowTextureRes =
        getOptionValue(videoScreenName, "SHADOWS") != 0 ? highShadowTextureSize : lowShadowTextureSize;
    if (game->isPortrait != wasPortrait && game->sdlWindow)
        SDL_SetWindowPosition(game->sdlWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    renderFrame();
    refreshOptionTexts();
    layoutBackground();
    updateSelection();
    setScreenZOrder();
    if (logo)
        logo->createContent();
}

void startMenuState::previewResolution()
{
    unsigned width = 0;
    unsigned height = 0;
    if (!chosenResolution(*this, width, height))
        return;
    game->fullScreenWidth = width;
    game->fullScreenHeigth = height;
    applyDynamicResolution(scene.viewport, static_cast<int>(width), static_cast<int>(height));
    layoutBackground();
    updateSelection();
    setScreenZOrder();
    if (logo)
        logo->createContent();
}

void startMenuState::restorePadControls()
{
    playMenuSound(game->startMenuClick);
    const Game::controlBindings& defaults = game->defaultControls;
    game->shootButtonNumber = defaults.shootButtonNumber;
    game->start = defaults.start;
    game->select = defaults.select;
    game->deadzone = defaults.deadzone;
    refreshControlsMenu();
}

void startMenuState::restoreKeyboardControls()
{
    playMenuSound(game->startMenuClick);
    const Game::controlBindings& defaults = game->defaultControls;
    game->upKey = defaults.upKey;
    game->downKey = defaults.downKey;
    game->leftKey = defaults.leftKey;
    game->rightKey = defaults.rightKey;
    game->startButton = defaults.startButton;
    game->selectButton = defaults.selectButton;
    game->shootButton = defaults.shootButton;
    refreshControlsMenu();
    refreshKeyboardMenu();
}

void startMenuState::restoreSound()
{
    playMenuSound(game->startMenuClick);
    game->isSoundOn = true;
    game->masterVolume = game->defaultMasterVolume;
    game->musicVolume = game->defaultMusicVolume;
    game->sfxVolume = game->defaultSfxVolume;
    setMasterVolume(game->masterVolume);
    setMusicVolume(game->musicVolume);
    setEffectsVolume(game->sfxVolume);
    refreshOptionTexts();
}
