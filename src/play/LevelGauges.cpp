// The gauge and the chain gauge: the gauge fills as enemies are hit, turns
// ready (or releases itself) past its threshold and is released for a weapon
// boost; the chain gauge shows the time left to go on with a chain. Each is
// an overlay bar of the Level, laid out every frame.
#include "play/Level.h"

#include "app/AudioService.h"
#include "app/BarLayers.h"
#include "app/OverlayVisibility.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMaterialManager.h>
#include <OgreTextureUnitState.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {

const char* const missingTexture = "notFound.jpg";
// A bar whose back texture the game lacks is drawn 256 by 32.
constexpr float standInAspect = 32.0f / 256.0f;
const Ogre::ColourValue emptyColour(1.0f, 0.5f, 0.0f, 1.0f);
const Ogre::ColourValue fullColour(0.4f, 1.0f, 0.2f, 1.0f);

// The bar's share for a value against its full value; empty at or below 0
// and for a bar without a full value.
float fillOf(float value, float full)
{
    return value > 0.0f && full > 0.0f ? value / full : 0.0f;
}

float backAspect(const std::string& texture)
{
    if (!resourceExists(texture))
        return standInAspect;
    const Ogre::TexturePtr picture = loadTexture(texture);
    if (!picture || picture->getWidth() == 0)
        return standInAspect;
    return static_cast<float>(picture->getHeight()) / static_cast<float>(picture->getWidth());
}

// Orange when empty to green when full, or plain white.
Ogre::ColourValue fillColour(float fill, bool isColoured)
{
    if (!isColoured)
        return Ogre::ColourValue::White;
    Ogre::ColourValue colour = emptyColour * (1.0f - fill) + fullColour * fill;
    colour.a = 1.0f;
    return colour;
}

// What the ready layer's material shows first: nothing known (no material,
// no texture), the stand-in of a missing picture, or the game's own picture.
enum class ReadyPicture { unknown, standIn, own };

ReadyPicture readyPicture(const std::string& texture)
{
    if (!Ogre::MaterialManager::getSingletonPtr())
        return ReadyPicture::unknown;
    const Ogre::MaterialPtr material = findMaterial(texture + "GAUGEREADY", barMaterialGroup);
    const Ogre::TextureUnitState* unit = material ? unitAt(material, 0, 0, 0) : nullptr;
    if (!unit)
        return ReadyPicture::unknown;
    return unit->getTextureName() == missingTexture ? ReadyPicture::standIn : ReadyPicture::own;
}

// The gauge turning ready shows only a picture the game has.
bool hasReadyPicture(const std::string& texture) { return readyPicture(texture) == ReadyPicture::own; }

struct BarPlace {
    float left, top, width, height;
};

BarPlace placeBar(const Ogre::Vector2& position, const Ogre::Vector2& dimensions, float textureAspect,
                  const GameCamera* camera)
{
    const Ogre::Viewport* viewport = camera ? camera->viewport : nullptr;
    const float screenAspect = viewport && viewport->getActualHeight() > 0
                                   ? static_cast<float>(viewport->getActualWidth()) /
                                         static_cast<float>(viewport->getActualHeight())
                                   : 16.0f / 9.0f;
    const float height = dimensions.x * textureAspect * screenAspect;
    return {position.x - 0.5f, position.y - 0.5f - 0.5f * height, dimensions.x, height};
}

// Before the first frame the bar hangs from its position.
BarPlace firstPlace(const Ogre::Vector2& position, const Ogre::Vector2& dimensions, float textureAspect,
                    const GameCamera* camera)
{
    BarPlace place = placeBar(position, dimensions, textureAspect, camera);
    place.top = position.y - 0.5f;
    return place;
}

void setPanelVisible(Ogre::OverlayContainer* panel, bool visible)
{
    if (panel && visible)
        panel->show();
    else if (panel)
        panel->hide();
}

void layOut(Ogre::OverlayContainer* panel, const BarPlace& place, float share)
{
    if (!panel)
        return;
    panel->setPosition(place.left, place.top);
    panel->setDimensions(place.width * share, place.height);
}

} // namespace

void Level::updateGaugeDisplay(float value)
{
    Game& game = *Game::getSingletonPtr();
    gaugeFill = fillOf(value, game.maxGauge);
    if (value <= 0.0f) {
        game.isGaugeReadySoundPlayed = false;
        setOverlayVisible(gaugeReadyOverlay, false);
    }
    if (gaugeFill > gaugeShown)
        gaugeShown = gaugeFill;
    if (value < game.minStartgauge)
        game.isGaugeReady = false;
    const float threshold = game.isGaugeSwitch ? game.minStartgauge : game.maxGauge;
    // A gauge without a full value never fills, so it is never ready either.
    if ((game.isGaugeActive && !game.isGaugeWeaponStartEvenIfNotFull) || !game.isGauge || game.maxGauge <= 0.0f ||
        value < threshold || game.isGaugeReady)
        return;
    if (!game.isGaugeSwitch) {
        useGauge();
        return;
    }
    if (!game.isGaugeActive && !game.isGaugeReadySoundPlayed) {
        playSound(game.gaugeReadySound, game.gaugeReadySoundVolume, noSoundPosition, false);
        game.isGaugeReadySoundPlayed = true;
    }
    if (effects)
        effects->emitReadyGauge();
    game.isGaugeReady = true;
    setOverlayVisible(gaugeReadyOverlay, hasReadyPicture(game.GaugeTextureReady));
}

void Level::useGauge()
{
    Game& game = *Game::getSingletonPtr();
    game.isGaugeActive = true;
    playSound(game.gaugeStartSound, game.gaugeStartSoundVolume, noSoundPosition, false);
    setOverlayVisible(gaugeReadyOverlay, false);
    if (game.player && game.gaugeWeaponSetNumber != game.weaponLevel)
        game.player->setWeaponLevel(game.gaugeWeaponSetNumber);
    if (game.isGaugeCancels && state)
        state->cancelBulletsForScore(game.gaugeStartSpawnedItem, false);
    // Enemy guns stay silent for the cancelling time, so no shot replaces
    // the cancelled ones meanwhile.
    game.enemyFirePause = std::max(game.enemyFirePause, game.gaugeCancelDuration);
    if (game.player)
        game.player->invincibilityTime =
            std::max(game.player->invincibilityTime, static_cast<float>(game.gaugeInvincibleTime));
}

void Level::setChainGauge(float chainTimer)
{
    const Game& game = *Game::getSingletonPtr();
    chainFill = fillOf(chainTimer, game.timeBetweenChains);
    if (chainFill > chainShown)
        chainShown = chainFill;
}

void Level::createGauge()
{
    destroyGauges();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    const Game& game = *Game::getSingletonPtr();
    const Ogre::MaterialPtr back = copyBarMaterial(game.GaugeTextureBack, game.GaugeTextureBack + "GAUGEBACK");
    const Ogre::MaterialPtr front = copyBarMaterial(game.GaugeTextureFront, game.GaugeTextureFront + "GAUGEFRONT");
    const Ogre::MaterialPtr ready = copyBarMaterial(game.GaugeTextureReady, game.GaugeTextureReady + "GAUGEREADY");
    gaugeAspect = backAspect(game.GaugeTextureBack);
    gaugeEmptyPanel = makeBarPanel("PanelGaugeEmpty", back, false);
    gaugeLifePanel = makeBarPanel("PanelGaugeLife", front, true);
    gaugeReadyPanel = makeBarPanel("PanelGaugeReady", ready, false);
    gaugeEmptyOverlay = makeBarOverlay("OverlayGaugeEmptyContainer", gaugeEmptyPanel, 643);
    gaugeLifeOverlay = makeBarOverlay("OverlayGaugeLifeContainer", gaugeLifePanel, 644);
    gaugeReadyOverlay = makeBarOverlay("OverlayGaugeReadyContainer", gaugeReadyPanel, 645);
    const BarPlace place = firstPlace(game.gaugePosition, game.gaugeDimensions, gaugeAspect, camera);
    layOut(gaugeEmptyPanel, place, 1.0f);
    layOut(gaugeLifePanel, place, 0.0f);
    layOut(gaugeReadyPanel, place, 0.0f);
    gaugeFill = gaugeShown = 1.0f;
    clampBarToBorder(front);
    if (game.isGaugeReady)
        setOverlayVisible(gaugeReadyOverlay, hasReadyPicture(game.GaugeTextureReady));
}

void Level::createChainGauge()
{
    destroyChainGauge();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    const Game& game = *Game::getSingletonPtr();
    const Ogre::MaterialPtr back =
        copyBarMaterial(game.ChainGaugeTextureBack, game.ChainGaugeTextureBack + "CHAINGAUGEBACK");
    const Ogre::MaterialPtr front =
        copyBarMaterial(game.ChainGaugeTextureFront, game.ChainGaugeTextureFront + "CHAINGAUGEFRONT");
    chainAspect = backAspect(game.ChainGaugeTextureBack);
    chainEmptyPanel = makeBarPanel("PanelChainGaugeEmpty", back, false);
    chainLifePanel = makeBarPanel("PanelChainGaugeLife", front, true);
    chainEmptyOverlay = makeBarOverlay("OverlayChainGaugeEmptyContainer", chainEmptyPanel, 644);
    chainLifeOverlay = makeBarOverlay("OverlayChainGaugeLifeContainer", chainLifePanel, 645);
    const BarPlace place = firstPlace(game.chainGaugePosition, game.chainGaugeDimensions, chainAspect, camera);
    layOut(chainEmptyPanel, place, 1.0f);
    layOut(chainLifePanel, place, 0.0f);
    chainFill = 0.0f;
    clampBarToBorder(front);
}

void Level::destroyGauges()
{
    destroyBarLayer(gaugeEmptyOverlay, gaugeEmptyPanel);
    destroyBarLayer(gaugeLifeOverlay, gaugeLifePanel);
    destroyBarLayer(gaugeReadyOverlay, gaugeReadyPanel);
    const Game& game = *Game::getSingletonPtr();
    removeBarMaterial(game.GaugeTextureBack + "GAUGEBACK");
    removeBarMaterial(game.GaugeTextureFront + "GAUGEFRONT");
    removeBarMaterial(game.GaugeTextureReady + "GAUGEREADY");
}

void Level::destroyChainGauge()
{
    destroyBarLayer(chainEmptyOverlay, chainEmptyPanel);
    destroyBarLayer(chainLifeOverlay, chainLifePanel);
    const Game& game = *Game::getSingletonPtr();
    removeBarMaterial(game.ChainGaugeTextureBack + "CHAINGAUGEBACK");
    removeBarMaterial(game.ChainGaugeTextureFront + "CHAINGAUGEFRONT");
}

void Level::layoutGauge()
{
    const Game& game = *Game::getSingletonPtr();
    gaugeShown = gaugeFill;
    tintBarPanel(gaugeLifePanel, fillColour(gaugeShown, game.isGaugeColoured));
    const BarPlace place = placeBar(game.gaugePosition, game.gaugeDimensions, gaugeAspect, camera);
    layOut(gaugeEmptyPanel, place, 1.0f);
    layOut(gaugeReadyPanel, place, 1.0f);
    layOut(gaugeLifePanel, place, gaugeShown);
    setBarTextureSpan(gaugeLifePanel, 0.0f, gaugeShown);
}

void Level::layoutChainGauge()
{
    const Game& game = *Game::getSingletonPtr();
    chainShown = chainFill;
    tintBarPanel(chainLifePanel, fillColour(chainShown, game.isChainGaugeColoured));
    const BarPlace place = placeBar(game.chainGaugePosition, game.chainGaugeDimensions, chainAspect, camera);
    layOut(chainEmptyPanel, place, 1.0f);
    layOut(chainLifePanel, place, chainShown);
    setBarTextureSpan(chainLifePanel, 0.0f, chainShown);
}

void Level::showGauges(bool show)
{
    const Game& game = *Game::getSingletonPtr();
    // Without its pictures ("isGaugeGfx" off) the gauge is never drawn.
    const bool isGaugeShown = show && game.isGauge && game.isGaugeGfx;
    setOverlayVisible(gaugeEmptyOverlay, isGaugeShown);
    setOverlayVisible(gaugeLifeOverlay, isGaugeShown);
    // Shown again by the HUD, a ready gauge hides only the stand-in picture.
    setOverlayVisible(gaugeReadyOverlay, isGaugeShown && game.isGaugeReady
                                             && readyPicture(game.GaugeTextureReady) != ReadyPicture::standIn);
    for (Ogre::OverlayContainer* panel : {gaugeEmptyPanel, gaugeLifePanel, gaugeReadyPanel})
        setPanelVisible(panel, isGaugeShown);
    const bool isChainShown = show && game.isChaining && game.isChainTimerGfx;
    setOverlayVisible(chainEmptyOverlay, isChainShown);
    setOverlayVisible(chainLifeOverlay, isChainShown);
    if (isChainShown) {
        setPanelVisible(chainEmptyPanel, true);
        setPanelVisible(chainLifePanel, true);
    }
}
