// The Level's life: made for a play of the level, updated each frame,
// set back at a restart and taken apart at the end.
#include "play/Level.h"

#include "app/AudioService.h"
#include "app/OverlayVisibility.h"
#include "combat/ShotDeathEffects.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/PictureMaterials.h"
#include "data/HudReader.h"
#include "frontend/GameHUD.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <OgreCompositorManager.h>

#include <OgreLight.h>
#include <OgreManualObject.h>
#include <OgreSceneManager.h>

void Level::setDefaults()
{
    fogStart = 50.0;
    fogEnd = 1000.0;
    fogDensity = 0.2;
    fogColour = Ogre::ColourValue(0.6f, 0.9f, 1.0f, 1.0f);
    Rot = Ogre::Vector3(300.0f, 15.0f, 0.0f);
    SunInt = 1.0f;
    AmbiantInt = 0.2f;
    Col = Ogre::ColourValue(1.0f, 0.96f, 0.84f, 1.0f);
    Amb = Ogre::ColourValue(0.55f, 0.6f, 0.7f, 1.0f);
    music.clear();
}

namespace {

const char* const pixelateName = "pixelateFX";
const char* const colourName = "PostFX";
const char* const televisionName = "TVFX";
// The darkened frame the camera shows over play.
const char* const vignetteName = "EditorVignette";

// The level's sounds that play without a position, loaded before play so
// that their first start does not wait for the file.
void loadLevelSounds(const Game& game)
{
    for (const std::string* name :
         {&game.gaugeReadySound, &game.gaugeStartSound, &game.cancelSoundName, &game.Sound1up, &game.textSound})
        loadSound(*name, false, false, false, false);
}

// The Game's volume settings in percent.
void applyVolumes(const Game& game)
{
    setMasterVolume(game.masterVolume);
    setMusicVolume(game.musicVolume);
    setEffectsVolume(game.sfxVolume);
}

} // namespace

void Level::addPostEffects()
{
    isPostEffects = Game::getSingletonPtr()->postFX;
    if (!isPostEffects || !camera || !camera->viewport)
        return;
    // Added switched off; applyPostEffects switches on what shows.
    Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
    pixelateCompositor = compositors.addCompositor(camera->viewport, pixelateName);
    colourCompositor = compositors.addCompositor(camera->viewport, colourName);
    tvCompositor = compositors.addCompositor(camera->viewport, televisionName);
}

void Level::removePostEffects()
{
    if (camera && camera->viewport) {
        Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
        if (pixelateCompositor)
            compositors.removeCompositor(camera->viewport, pixelateName);
        if (colourCompositor)
            compositors.removeCompositor(camera->viewport, colourName);
        if (tvCompositor)
            compositors.removeCompositor(camera->viewport, televisionName);
    }
    pixelateCompositor = colourCompositor = tvCompositor = nullptr;
}

void Level::create(Ogre::SceneManager* scene)
{
    destroy();
    sceneManager = scene;
    Game& game = *Game::getSingletonPtr();
    levelName = game.levelName;
    scorePopups.clear();
    for (std::size_t slot = 0; slot < scorePopupCount; ++slot) {
        scorePopups.push_back(std::make_unique<ScorePopup>());
        scorePopups.back()->init(scene, this);
    }
    bulletBatch = new bulletSpriteBatch(this);
    manualObjects = std::make_unique<ManualObjectRegister>();
    manualObjects->level = this;
    manualObjects->sceneManager = scene;
    createEnemyLifeBars();
    createGauge();
    createChainGauge();
    // The HUD is built anew for every level.
    if (game.hud)
        game.hud->destroy();
    readHUD(game);
    if (game.hud) {
        game.hud->createBackgroundPanel();
        game.hud->create();
    }
    loadLevelSounds(game);
    createLights();
    createScorePopupTextures();
    createMultiplierPopupTextures();
    createAnimatedPictureMaterial("notFound.jpg", std::string());
    loadPauseSound();
    applyVolumes(game);
    addPostEffects();
    game.createBulletPools();
}

void Level::destroy()
{
    removePostEffects();
    // The scene is cleared after the level: the bursts' systems and nodes
    // go while it still holds them.
    shotDeathEffects->destroy();
    releaseShotPools();
    destroyManualObjects();
    manualObjects.reset();
    scorePopups.clear();
    destroyEnemyLifeBars();
    destroyGauges();
    destroyChainGauge();
    destroyLayers();
    // The camera showed it for play; the screens after play have none.
    setOverlayVisible(vignetteName, false);
    destroyLights();
}

void Level::update(double dt)
{
    playClock += dt;
    updateExplosionLight(dt);
    const Game& game = *Game::getSingletonPtr();
    if (!game.enemyLifebarTextureBack.empty())
        updateEnemyLifeBar(dt);
    if (game.isGauge)
        layoutGauge();
    if (game.isChaining)
        layoutChainGauge();
    updateDisplayedScore(dt);
    effects->update(dt);
    shotDeathEffects->step(dt);
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups)
        if (popup->active)
            popup->update(dt);
}

void Level::resetCounters()
{
    scoreCountUpStep = 1;
    explosionLightRange = 0.0f;
    playClock = 0.0;
    gaugeFill = gaugeShown = chainFill = chainShown = 0.0f;
    barTarget = barShown = 1.0f;
    barTime = barIntro = barFallStep = 0.0f;
    barMaxHp = 0;
}

void Level::restart(bool full)
{
    stopAllSoundsWithFade();
    Game& game = *Game::getSingletonPtr();
    game.levelScore = 0;
    killedEnemyCount = 0;
    resetItemMap();
    if (full)
        resetCounters();
    if (game.hud)
        game.hud->setBackground(backgroundGameName);
    updateExplosionLight(0.0);
    if (explosionLight)
        explosionLight->setVisible(false);
    setOverlayVisible(emptyOverlay, false);
    setOverlayVisible(lifeOverlay, false);
    setOverlayVisible(life2Overlay, false);
    gaugeFill = gaugeShown = chainFill = chainShown = 0.0f;
    barTarget = barShown = 0.0f;
    updateGaugeDisplay(game.gaugeValue);
    setChainGauge(0.0f);
    stopAllScorePopups();
    if (full) {
        stopMusic();
        resumeMusic();
    }
    stopEffects();
    effects->clear();
    playValueA = 0;
    playValueB = 1;
    resetMaterialMaps();
}

void Level::destroyManualObjects()
{
    if (!manualObjects)
        return;
    Ogre::SceneManager* scene = manualObjects->sceneManager;
    for (const std::string& name : manualObjects->names) {
        if (!scene || !scene->hasManualObject(name))
            continue;
        Ogre::ManualObject* object = scene->getManualObject(name);
        if (object->isAttached())
            object->detachFromParent();
        scene->destroyManualObject(object);
    }
    manualObjects->names.clear();
}
