// The splash sequence, one frame at a time: each picture waits its time
// (shortened once by a held key or button), the screen fades to black and
// back between them, and after the last fade the start menu begins.
#include "frontend/IntroState.h"

#include "core/FadeStates.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "frontend/StartMenuState.h"

#include <Overlay/OgreOverlay.h>
#include <OgreRenderWindow.h>

namespace {

constexpr float fadeDuration = 0.4f;
// A picture stays this much longer than its duration, the fade included.
constexpr double pictureMargin = 0.5;
// A held key or button sets the picture's clock to this.
constexpr double skippedTime = 4.1;
// Black screen between the fade out and the next step.
constexpr double blackTime = 0.4;
// Without a second picture the last fade starts as soon as the screen is
// black: the wait is already over.
constexpr double noSecondPictureTime = 1.0;

bool isFadeIdle(const Game& game) { return game.fadeState == fadeIdle || game.fadeState == fadedOut; }

} // namespace

void introState::update(double dt)
{
    timer += dt;
    game->updateFade(dt);
    game->pollGamepads();
    const bool isHeld = game->keyHeld || game->anyShootHeld;
    if (isHeld && !isSkipping && (phase == phaseFirstSplash || phase == phaseSecondSplash)) {
        isSkipping = true;
        timer = skippedTime;
    }
    if (phase == phaseFirstSplash && timer > game->splashScreen1Duration + pictureMargin && isFadeIdle(*game)) {
        timer = 0.0;
        phase = phaseBetweenSplashes;
        game->startFadeOut(fadeDuration);
    }
    if (phase == phaseBetweenSplashes) {
        if (!hasSecondSplash) {
            phase = phaseLastFade;
            timer = noSecondPictureTime;
        } else if (timer > blackTime && isFadeIdle(*game)) {
            showSecondPicture();
        }
    }
    if (phase == phaseSecondSplash && timer > game->splashScreen2Duration + pictureMargin && isFadeIdle(*game)) {
        timer = 0.0;
        phase = phaseLastFade;
        game->startFadeOut(fadeDuration);
    }
    if (phase == phaseLastFade && timer > blackTime && isFadeIdle(*game))
        finishPictures();
    if (phase == phaseDone)
        startMenu();
}

void introState::showSecondPicture()
{
    timer = 0.0;
    phase = phaseSecondSplash;
    game->startFadeIn(fadeDuration);
    game->updateFade(0.0);
    firstOverlay->hide();
    renderWindow->update(true);
    secondOverlay->show();
    isSkipping = false;
}

void introState::finishPictures()
{
    timer = 0.0;
    phase = phaseDone;
    game->startFadeIn(fadeDuration);
    firstOverlay->hide();
    secondOverlay->hide();
    renderWindow->update(false);
}

void introState::startMenu()
{
    if (!game->levels.empty())
        game->levelName = game->levels.front()->name;
    GameManager::getSingleton().changeState(startMenuState::getInstance());
}
