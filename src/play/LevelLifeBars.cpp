// The enemy life bar of the Level: an enemy's hit points reported on a hit,
// the fill falling toward them, the bar fading out after the last report, a
// boss's bar opening and showing its coloured layers.
#include "play/Level.h"

#include "app/BarLayers.h"
#include "app/Log.h"
#include "app/OverlayVisibility.h"
#include "combat/Enemy.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureMaterials.h"
#include "play/LifeBarLook.h"
#include "world/GameCamera.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreImage.h>
#include <OgreMaterialManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreViewport.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int minBarLayers = 1;
constexpr int maxBarLayers = 4;
// A bar whose back picture the game lacks is taken as 256 by 32.
constexpr float standInAspect = 32.0f / 256.0f;
// The bar stays this long after the last report, then fades for a quarter second.
constexpr float barHoldTime = 2.0f;
constexpr float barFadeRate = 4.0f;
constexpr float barFadeEnd = 2.25f;
// An emptied bar skips its hold.
constexpr float emptiedBarTime = 2.001f;
constexpr float fallRate = 0.1f;
// Boss bars are kept off the screen's edges, wider on screen format 3.
constexpr float bossBarMaxWidth = 0.8f;
constexpr float bossBarMaxWidthWide = 0.95f;
constexpr int wideScreenRatio = 3;
const Ogre::ColourValue white = Ogre::ColourValue::White;

Ogre::ColourValue colourOf(const Ogre::Vector4& value)
{
    return Ogre::ColourValue(value.x, value.y, value.z, value.w);
}

std::string barBackTexture(const Game& game)
{
    return game.isOnlyBossLifebar ? game.enemyBossLifebarTextureBack : game.enemyLifebarTextureBack;
}

std::string barFrontTexture(const Game& game)
{
    return game.isOnlyBossLifebar ? game.enemyBossLifebarTextureFront : game.enemyLifebarTextureFront;
}

// Height over width of the back picture; the stand-in for a picture the
// game lacks or that is no image.
float pictureAspect(const std::string& texture)
{
    const std::string group = groupHoldingResource(texture);
    if (group.empty())
        return standInAspect;
    try {
        Ogre::Image image;
        image.load(texture, group);
        return image.getWidth() > 0 ? static_cast<float>(image.getHeight()) / static_cast<float>(image.getWidth())
                                    : standInAspect;
    } catch (const Ogre::Exception&) {
        logLine("[ERROR] wrong picture format: " + texture);
        return standInAspect;
    }
}

Ogre::MaterialPtr copyOf(const Ogre::MaterialPtr& material, const std::string& name)
{
    if (!material)
        return material;
    removeBarMaterial(name);
    return material->clone(name, true, barMaterialGroup);
}

float screenAspect(const GameCamera* camera)
{
    const Ogre::Viewport* viewport = camera ? camera->viewport : nullptr;
    return viewport && viewport->getActualHeight() > 0
               ? static_cast<float>(viewport->getActualWidth()) / static_cast<float>(viewport->getActualHeight())
               : 16.0f / 9.0f;
}

void place(Ogre::OverlayContainer* panel, float left, float top, float width, float height)
{
    if (!panel)
        return;
    panel->setPosition(left, top);
    panel->setDimensions(width, height);
}

// Size and place of the bar's three panels; the fill panels split the bar
// at the top layer's share f.
void layOutBar(const Level& level, float f)
{
    const Game& game = *Game::getSingletonPtr();
    const float aspect = screenAspect(level.camera);
    Ogre::Vector2 centre = game.lifeBarPosition;
    float width = game.lifeBarDimensions.x;
    float height = level.barAspect * width * aspect;
    if (level.barIsBoss) {
        const float full = game.createEnemyBossLifeBar_Dimensions.x;
        const float cap = game.screenRatio == wideScreenRatio ? bossBarMaxWidthWide : bossBarMaxWidth;
        width = smoothStep(1.0f - level.barIntro) * std::min(full, cap);
        height = level.barAspect * full * aspect * (level.barTexturesFromProject ? 1.0f : 0.5f);
        centre = game.createEnemyBossLifeBar_Pos;
    }
    const float left = centre.x - 0.5f * width - 0.5f;
    const float top = (centre.y - 0.5f) - 0.5f * height;
    place(level.emptyPanel, left, top, width, height);
    place(level.lifePanel, left, top, f * width, height);
    place(level.life2Panel, left + f * width, top, width - f * width, height);
    setBarTextureSpan(level.lifePanel, 0.0f, f);
    setBarTextureSpan(level.life2Panel, f, 1.0f);
}

} // namespace

float bossBarFill(int layers, float shown)
{
    return static_cast<float>(std::clamp(layers, minBarLayers, maxBarLayers)) * shown;
}

float topLayerShare(float fill)
{
    const bool isWholeLayer = fill > 0.0f && fill <= maxBarLayers && std::floor(fill) == fill;
    return isWholeLayer ? 1.0f : std::fmod(fill, 1.0f);
}

LifeBarColours layeredBarColours(std::array<Ogre::ColourValue, maxBarLayers> colours, int layers, float fill)
{
    std::reverse(colours.begin(), colours.begin() + std::clamp(layers, minBarLayers, maxBarLayers));
    if (fill <= 1.0f)
        return {colours[0], white, false};
    const std::size_t top = fill <= 2.0f ? 1 : fill <= 3.0f ? 2 : 3;
    return {colours[top], colours[top - 1], true};
}

LifeBarColours lifeBarColours(const Game& game, bool isBoss, float fill)
{
    if (!isBoss)
        return {colourOf(game.EnemyLifeBar_color), white, false};
    return layeredBarColours({colourOf(game.EnemyBossLifeBar_color1), colourOf(game.EnemyBossLifeBar_color2),
                              colourOf(game.EnemyBossLifeBar_color3), colourOf(game.EnemyBossLifeBar_color4)},
                             game.enemyLifeBarBossLayerNumber, fill);
}

float smoothStep(float u)
{
    return (3.0f - 2.0f * u) * u * u;
}

void Level::createEnemyLifeBars()
{
    destroyEnemyLifeBars();
    if (!Ogre::OverlayManager::getSingletonPtr() || !Ogre::MaterialManager::getSingletonPtr())
        return;
    const Game& game = *Game::getSingletonPtr();
    const std::string back = barBackTexture(game);
    const std::string front = barFrontTexture(game);
    for (const std::string& picture : {std::string("enemyBar_back.png"), std::string("enemyBar_front.png"),
                                       std::string("enemyBar_white_front.png"), back, front})
        createAnimatedPictureMaterial(picture, std::string());
    barTexturesFromProject = groupHolds(barMaterialGroup, back);
    const Ogre::MaterialPtr backMaterial = copyBarMaterial(back, back + "ENEMYBACK");
    const Ogre::MaterialPtr frontMaterial = copyBarMaterial(front, front + "ENEMYFRONT");
    const Ogre::MaterialPtr front2Material = copyOf(frontMaterial, front + "2");
    barAspect = pictureAspect(back);
    emptyPanel = makeBarPanel("EnemyLifeBarOverlayEmpty", backMaterial, true);
    lifePanel = makeBarPanel("EnemyLifeBarOverlayLife", frontMaterial, true);
    life2Panel = makeBarPanel("EnemyLifeBarOverlayLife2", front2Material, false);
    emptyOverlay = makeBarOverlay("EnemyLifeBarOverlayEmptyContainer", emptyPanel, 643);
    lifeOverlay = makeBarOverlay("EnemyLifeBarOverlayLifeContainer", lifePanel, 644);
    life2Overlay = makeBarOverlay("EnemyLifeBarOverlayLife2Container", life2Panel, 645);
    barTarget = barShown = 1.0f;
    clampBarToBorder(frontMaterial);
    clampBarToBorder(front2Material);
}

void Level::destroyEnemyLifeBars()
{
    destroyBarLayer(emptyOverlay, emptyPanel);
    destroyBarLayer(lifeOverlay, lifePanel);
    destroyBarLayer(life2Overlay, life2Panel);
    const Game& game = *Game::getSingletonPtr();
    removeBarMaterial(barBackTexture(game) + "ENEMYBACK");
    removeBarMaterial(barFrontTexture(game) + "ENEMYFRONT");
    removeBarMaterial(barFrontTexture(game) + "2");
}

void Level::showEnemyLifeBar(float maxHp, float currentHp, float previousHp, Enemy* enemy, bool isBoss)
{
    const Game& game = *Game::getSingletonPtr();
    if (!game.isEnemyBars || (game.isOnlyBossLifebar && !isBoss))
        return;
    isBoss = isBoss && game.isOnlyBossLifebar;
    if (!std::isfinite(maxHp) || maxHp < static_cast<float>(game.minHpShowLifeBar) || barBackTexture(game).empty())
        return;
    barMaxHp = static_cast<std::int32_t>(std::clamp(maxHp, 0.0f, 2.0e9f));
    if (isBoss) {
        if (!barIsBoss)
            barIntro = 1.0f;
        barIsBoss = true;
    }
    if (isBoss || !barIsBoss) {
        // The enemy is taken only by a report the bar shows: a boss bar
        // keeps following its boss while other enemies are hit.
        const bool isNewEnemy = enemy != barEnemy;
        barEnemy = enemy;
        barTime = 0.0f;
        barTarget = maxHp > 0.0f && currentHp > 0.0f ? currentHp / maxHp : 0.0f;
        if (isNewEnemy)
            barShown = maxHp > 0.0f ? previousHp / maxHp : 0.0f;
        barShown = std::max(barShown, barTarget);
        if (isBoss) {
            setOverlayVisible(emptyOverlay, true);
            setOverlayVisible(lifeOverlay, true);
            setOverlayVisible(life2Overlay, barIsBoss);
            for (Ogre::OverlayContainer* panel : {emptyPanel, lifePanel, life2Panel})
                tintBarPanel(panel, white);
        } else {
            setOverlayVisible(emptyOverlay, false);
            setOverlayVisible(lifeOverlay, false);
            setOverlayVisible(life2Overlay, false);
        }
    }
    if (barMaxHp > 0) {
        setOverlayVisible(emptyOverlay, true);
        setOverlayVisible(lifeOverlay, true);
        tintBarPanel(emptyPanel, white);
    }
    barFallStep = (barShown - barTarget) * fallRate * game.barAnimationSpeed;
}

void Level::updateEnemyLifeBar(double frameTime)
{
    const Game& game = *Game::getSingletonPtr();
    if (!game.isEnemyBars)
        return;
    barTime += static_cast<float>(frameTime);
    barIntro = std::max(0.0f, barIntro - static_cast<float>(frameTime));
    if (barShown > barTarget)
        barShown = std::max(barTarget, barShown - barFallStep);
    if (barShown == 0.0f && barTime < barHoldTime)
        barTime = emptiedBarTime;
    const float fill = barIsBoss ? bossBarFill(game.enemyLifeBarBossLayerNumber, barShown) : barShown;
    const float f = barIsBoss ? topLayerShare(fill) : barShown;
    LifeBarColours colours = lifeBarColours(game, barIsBoss, fill);
    if (barIsBoss)
        setOverlayVisible(life2Overlay, colours.isLife2Shown);
    const bool isBossStaying =
        barIsBoss && barEnemy && barEnemy->status == Enemy::statusAlive && barShown != 0.0f;
    if (!isBossStaying && barTime > barHoldTime) {
        colours.life.a = colours.life2.a = smoothStep(1.0f - (barTime - barHoldTime) * barFadeRate);
        if (barTime > barFadeEnd) {
            setOverlayVisible(emptyOverlay, false);
            setOverlayVisible(lifeOverlay, false);
            setOverlayVisible(life2Overlay, false);
            barIsBoss = false;
        }
    }
    tintBarPanel(lifePanel, colours.life);
    if (colours.isLife2Shown)
        tintBarPanel(life2Panel, colours.life2);
    layOutBar(*this, f);
}
