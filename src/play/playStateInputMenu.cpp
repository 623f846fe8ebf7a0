// The pause menu in play: Escape, the controller's start button and the
// window's close request open and close it; the back and guide buttons
// pause without it; Shift+Tab lets the background picture redraw a moment.
#include "play/playState.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/PauseMenu.h"
#include "play/playStateInputRules.h"

#include <OgreViewport.h>

namespace {

constexpr std::uint8_t buttonBack = 4;
constexpr std::uint8_t buttonGuide = 5;
constexpr std::uint8_t buttonStart = 6;
// Seconds the background picture redraws after Shift+Tab.
constexpr double backgroundRefreshSeconds = 1.0;
// The entry closing the menu carries out: Escape continues, closing the
// window takes the third entry offered (leaving the game when it is there).
constexpr std::uint32_t escapeEntry = 0;
constexpr std::uint32_t windowCloseEntry = 2;

void openBackgroundRefresh(Game& game, Ogre::Viewport* backgroundViewport)
{
    if (game.screenRatio == 0)
        return;
    if (backgroundViewport)
        backgroundViewport->setAutoUpdated(true);
    game.isDisplayCountdownDone = false;
    game.displayCountdown = backgroundRefreshSeconds;
}

// Opening pauses and shows the menu; closing carries out the entry and
// resumes. Without that entry the game is left.
void togglePauseMenu(playState& play, PauseMenu& menu, std::uint32_t closingEntry)
{
    menu.isOpen = !menu.isOpen;
    if (menu.isOpen) {
        play.setGamePaused(true);
        menu.refresh(true);
        return;
    }
    if (closingEntry < menu.entries.size()) {
        menu.selected = closingEntry;
        menu.validate();
    } else {
        Game::getSingletonPtr()->setGameState(gameModeQuit);
    }
    play.setGamePaused(false);
}

} // namespace

void playState::keyReleased(const OIS::KeyEvent& event)
{
    Game& game = *Game::getSingletonPtr();
    if (event.key == OIS::KC_TAB && isKeyHeld(game, OIS::KC_LSHIFT))
        openBackgroundRefresh(game, backgroundViewport);
    if (event.key == OIS::KC_ESCAPE && pauseMenu && isPauseAllowed(game))
        togglePauseMenu(*this, *pauseMenu, escapeEntry);
}

void playState::windowClosed(bool /*closed*/)
{
    if (pauseMenu && Game::getSingletonPtr()->gameMode == gameModePlaying)
        togglePauseMenu(*this, *pauseMenu, windowCloseEntry);
}

void playState::controllerButtonDown(std::uint8_t button)
{
    Game& game = *Game::getSingletonPtr();
    if (!isPauseAllowed(game))
        return;
    if (button == buttonStart && pauseMenu) {
        pauseMenu->isOpen = !pauseMenu->isOpen;
        pauseMenu->refresh(pauseMenu->isOpen);
        setGamePaused(pauseMenu->isOpen);
    }
    if ((button == buttonBack || button == buttonGuide) && !isPauseMenuOpen(pauseMenu))
        setGamePaused(!game.isPaused);
}
