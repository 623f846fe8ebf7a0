// The splash state's life: entering (scene, pictures, the opening fade),
// leaving, and the key and window events it answers.
#include "frontend/IntroState.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"

#include <Overlay/OgreOverlay.h>
#include <OgreRenderWindow.h>

#include <SDL.h>

#include <chrono>
#include <thread>

namespace {

// The window settles this long before the first fade starts.
constexpr std::chrono::milliseconds settleTime(1000);
constexpr float fadeDuration = 0.4f;

} // namespace

introState* introState::getInstance()
{
    static introState instance;
    return &instance;
}

void introState::enter(Ogre::RenderWindow* window)
{
    SDL_ShowCursor(SDL_DISABLE);
    game = Game::getSingletonPtr();
    renderWindow = window;
    if (game->hud)
        game->hud->hideLoading();
    isSkipping = false;
    scene.create(window);
    createPictures();
    chooseGamePictures();
    fitPictures();
    hasFirstSplash = game->splashScreenPicture != "none";
    hasSecondSplash = game->splashScreenPicture2 != "none";
    timer = 0.0;
    phase = phaseFirstSplash;
    if (!hasFirstSplash) {
        phase = phaseBetweenSplashes;
        firstOverlay->hide();
    }
    std::this_thread::sleep_for(settleTime);
    game->startFadeIn(fadeDuration);
}

void introState::exit()
{
    destroyPictures();
    scene.destroy(renderWindow);
}

void introState::keyPressed(const OIS::KeyEvent& event)
{
    game->keyHeld = true;
    if (event.key == OIS::KC_ESCAPE)
        game->gameMode = gameModeQuit;
}

void introState::keyReleased(const OIS::KeyEvent&) { game->keyHeld = false; }

void introState::mouseInWindow(bool) { game->keyHeld = false; }

void introState::windowClosed(bool) { game->setGameState(gameModeQuit); }

void introState::windowResized()
{
    if (!renderWindow)
        return;
    renderWindow->windowMovedOrResized();
    const bool isFullScreen = game->sdlWindow ? (SDL_GetWindowFlags(game->sdlWindow) & SDL_WINDOW_FULLSCREEN) != 0
                                              : renderWindow->isFullScreen();
    if (isFullScreen)
        return;
    game->width = static_cast<int>(renderWindow->getWidth());
    game->height = static_cast<int>(renderWindow->getHeight());
}
