// The background fade: the overlay "BlackBG" darkens the play picture to half
// behind the continue, end-of-game, high-score and score screens, and lets it
// brighten again.
#include "core/Game.h"

#include "core/FadeVisuals.h"
#include "core/materials/MaterialLookup.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreTextureUnitState.h>

#include <algorithm>

namespace {

constexpr int fadeIdle = 0;
constexpr int fadingIn = 1;
constexpr int fadingOut = 2;
// Frames this long or longer do not move the background fade.
constexpr double longestBackgroundStep = 0.07;
constexpr float darkAlpha = 0.5f;

const char* const backgroundOverlayName = "BlackBG";
const char* const backgroundMaterialName = "BG/OverlayMaterial";

void setFadeTimes(Game& game, float duration)
{
    game.fadeDuration = duration > 0.0f ? duration : 1.0;
    game.fadeRemaining = game.fadeDuration;
}

// The first texture unit of the background material, looked up afresh: the
// material may have been reloaded since the last fade.
Ogre::TextureUnitState* fetchBackgroundUnit(Game& game, const Ogre::MaterialPtr& material)
{
    game.backgroundTextureUnit = unitAt(material, 0, 0, 0);
    return game.backgroundTextureUnit;
}

void setBackgroundAlpha(Game& game, const Ogre::MaterialPtr& material, float alpha)
{
    if (Ogre::TextureUnitState* unit = fetchBackgroundUnit(game, material))
        unit->setAlphaOperation(Ogre::LBX_MODULATE, Ogre::LBS_MANUAL, Ogre::LBS_TEXTURE, alpha, 1.0f);
    setFadeAlpha(material, alpha);
}

// Dark after a fade out; clear and hidden after a fade in.
void endBackgroundFade(Game& game, const Ogre::MaterialPtr& material)
{
    const bool darkened = game.backgroundFadeState == fadingOut;
    setBackgroundAlpha(game, material, darkened ? darkAlpha : 0.0f);
    if (!darkened && game.backgroundOverlay)
        game.backgroundOverlay->hide();
    game.isBackgroundDark = darkened;
    game.backgroundFadeState = fadeIdle;
}

void startBackgroundFade(Game& game, int state, float duration)
{
    game.backgroundFadeState = state;
    setFadeTimes(game, duration);
    const Ogre::MaterialPtr material = findFadeMaterial(game, backgroundMaterialName);
    fetchBackgroundUnit(game, material);
    if (!material || !game.backgroundOverlay) {
        // Nothing to draw the fade with: the caller gets the end at once.
        endBackgroundFade(game, material);
        return;
    }
    game.backgroundOverlay->show();
}

} // namespace

void Game::startBackgroundFadeIn(float duration)
{
    backgroundOverlay = findFadeOverlay(*this, backgroundOverlayName);
    if (isBackgroundDark)
        startBackgroundFade(*this, fadingIn, duration);
    else
        backgroundFadeState = fadeIdle;
}

void Game::startBackgroundFadeOut(float duration)
{
    // A brightening still under way turns back to dark: stopped there, it
    // would leave the next screen over a background neither dark nor clear.
    if (isBackgroundDark && backgroundFadeState != fadingIn) {
        backgroundFadeState = fadeIdle;
        return;
    }
    backgroundOverlay = findFadeOverlay(*this, backgroundOverlayName);
    startBackgroundFade(*this, fadingOut, duration);
}

void Game::updateBackgroundFade(double dt)
{
    if (backgroundFadeState != fadingIn && backgroundFadeState != fadingOut)
        return;
    if (dt < longestBackgroundStep)
        fadeRemaining -= dt;
    fadeRemaining = std::max(0.0, fadeRemaining);
    const double t = fadeProgress(backgroundFadeState == fadingIn, fadeRemaining, fadeDuration);
    const Ogre::MaterialPtr material = findMaterial(backgroundMaterialName);
    setBackgroundAlpha(*this, material, static_cast<float>((1.5 - t) * t * t));
    if (fadeRemaining == 0.0)
        endBackgroundFade(*this, material);
}

void Game::cancelBackgroundFade()
{
    backgroundFadeState = fadeIdle;
    isBackgroundDark = false;
    setBackgroundAlpha(*this, findMaterial(backgroundMaterialName), 0.0f);
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (Ogre::Overlay* black = overlays ? overlays->getByName(backgroundOverlayName) : nullptr)
        black->hide();
}
