#include "frontend/PauseMenu.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "app/OverlayVisibility.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"
#include "play/playState.h"

#include <OgreOverlay.h>
#include <OgreOverlayManager.h>

namespace {

// The fade in and out of the menu, in seconds.
constexpr float fadeDuration = 0.3f;
// The input lock after showing the menu and after each move.
constexpr float showLock = 0.1f;
constexpr float moveLock = 0.3f;
// Below it, up and down are both let go and the next press acts at once.
constexpr float releasedLock = -1.0f;
// A direction counts as pushed above this magnitude.
constexpr float directionThreshold = 0.7f;

} // namespace

void PauseMenu::create(playState* owner)
{
    play = owner;
    game = Game::getSingletonPtr();
    // The entries' texts, the background panel and its picture are built here
    // once the menu is drawn.
}

void PauseMenu::destroy()
{
    // The drawn entries, panel, overlay and picture material go here.
    entries.clear();
}

void PauseMenu::refresh(bool show)
{
    isValidated = false;
    // Panel size and position for the window's aspect, and the overlay shown
    // or hidden, go here.
    repeatTimer = showLock;
    fadeTime = 0.0f;
    isShown = show;
    // Restarting the level is never offered: the game file's setting only
    // widens the panel built before the first showing.
    game->isShowRestartLevel = false;
    entries = {continueName, backName};
    if (game->isShowExitToDesktop)
        entries.push_back(exitName);
    // The entries' layout, highlight and fade-in start here.
    if (game->hud)
        game->hud->hidePause();
    selected = 0;
}

bool PauseMenu::update(double dt)
{
    if (state == stateLeft)
        return false;
    fadeTime += static_cast<float>(dt);
    repeatTimer -= static_cast<float>(dt);
    // The panel's opacity follows fadeTime in both directions.
    if (isOpen) {
        if (state == stateFadingIn && fadeTime > fadeDuration)
            state = stateOpen;
    } else if (fadeTime > fadeDuration) {
        refresh(false);
        isShown = false;
        return true;
    }
    game->pollGamepads();
    navigate();
    if (isConfirmHeld())
        validate();
    return false;
}

void PauseMenu::navigate()
{
    if (game->moveUp == 0.0f && game->moveDown == 0.0f)
        repeatTimer = releasedLock;
    if (repeatTimer >= 0.0f)
        return;
    if (game->moveUp > directionThreshold && selected > 0)
        select(selected - 1);
    else if (game->moveDown > directionThreshold && selected + 1 < entries.size())
        select(selected + 1);
}

void PauseMenu::select(std::uint32_t index)
{
    selected = index;
    repeatTimer = moveLock;
    playEditorSound(game->startMenuClick);
    // The entries ease towards the new highlight here.
}

bool PauseMenu::isConfirmHeld() const
{
    return game->shootHeld[0] || (game->keyboard && game->keyboard->isKeyDown(OIS::KC_RETURN));
}

void PauseMenu::validate()
{
    if (isValidated)
        return;
    isOpen = false;
    state = stateFadingIn;
    fadeTime = 0.0f;
    playEditorSound(game->startMenuClick);
    isValidated = true;
    if (selected >= entries.size()) {
        logLine("[PauseMenu] no entry " + std::to_string(selected) + " to carry out");
        return;
    }
    const std::string& name = entries[selected];
    if (name == exitName) {
        game->setGameState(gameModeQuit);
    } else if (name == backName) {
        leaveForStartMenu();
    } else if (name == continueName) {
        play->setGamePaused(false);
    }
    // The entries fade out from here.
}

void PauseMenu::leaveForStartMenu()
{
    refresh(false);
    setOverlayVisible("DebugInfos", false);
    state = stateLeft;
    game->setGameState(gameModeBackToStartMenu);
}
