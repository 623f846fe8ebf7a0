// The screen fade: the black overlay "FadeInOut" over everything, faded in
// and out between states and levels.
#include "core/Game.h"

#include "core/FadeStates.h"
#include "core/FadeVisuals.h"
#include "core/materials/MaterialLookup.h"

#include <Overlay/OgreOverlay.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>

#include <algorithm>

namespace {

// A long frame moves the fade no further than this.
constexpr double longestFadeStep = 0.034;

const char* const fadeOverlayName = "FadeInOut";
const char* const fadeMaterialName = "Examples/OverlayMaterial";

// Black until a fade in, or clear and hidden.
void endScreenFade(Game& game, const Ogre::MaterialPtr& material)
{
    if (game.fadeState == fadingIn) {
        setFadeAlpha(material, 0.0f);
        if (game.fadeOverlay)
            game.fadeOverlay->hide();
        game.fadeState = fadeIdle;
    } else {
        setFadeAlpha(material, 1.0f);
        game.fadeState = fadedOut;
    }
}

void startScreenFade(Game& game, int state, float duration)
{
    game.fadeState = state;
    game.fadeDuration = duration > 0.0f ? duration : 1.0;
    game.fadeRemaining = game.fadeDuration;
    const Ogre::MaterialPtr material = findFadeMaterial(game, fadeMaterialName);
    game.fadeOverlay = findFadeOverlay(game, fadeOverlayName);
    if (!material || !game.fadeOverlay) {
        // Nothing to draw the fade with: the caller gets the end at once.
        game.fadeRemaining = 0.0;
        endScreenFade(game, material);
        return;
    }
    game.fadeOverlay->show();
}

// The fade's last step shows at once, whatever the caller does next.
void renderEndOfFade(Ogre::RenderWindow* window)
{
    if (!window)
        return;
    Ogre::Root::getSingleton().renderOneFrame();
    window->update(false);
}

} // namespace

void Game::startFadeIn(float duration) { startScreenFade(*this, fadingIn, duration); }

void Game::startFadeOut(float duration) { startScreenFade(*this, fadingOut, duration); }

void Game::updateFade(double dt)
{
    if (fadeState != fadingIn && fadeState != fadingOut)
        return;
    fadeRemaining = std::max(0.0, fadeRemaining - std::min(dt, longestFadeStep));
    const double t = fadeProgress(fadeState == fadingIn, fadeRemaining, fadeDuration);
    const Ogre::MaterialPtr material = findMaterial(fadeMaterialName);
    setFadeAlpha(material, static_cast<float>(t * t * (3.0 - 2.0 * t)));
    if (fadeRemaining != 0.0)
        return;
    endScreenFade(*this, material);
    renderEndOfFade(renderWindow);
}
