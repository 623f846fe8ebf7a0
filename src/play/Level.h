// The runtime object of the level being played (the Game's `level`): what the
// level's objects and the Game's play-flow counters read and call of it. The
// play state builds and runs it; until the play state exists this is the part
// the Game and the level objects use, and its displays draw nothing yet.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include "play/ManualObjectRegister.h"
#include "play/ScorePopup.h"
#include "play/ShotList.h"
#include "play/levelLayer.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Ogre {
class CompositorInstance;
class Overlay;
class OverlayContainer;
class Light;
class SceneManager;
class SceneNode;
}

class Enemy;
class ShotDeathEffects;
class ShotLaunches;
class bullet;
class bulletSpriteBatch;
class background;
class btDiscreteDynamicsWorld;
class GameCamera;
class sfxManager;
class sfx;
class entity;
class Item;
class Obb;
class Trigger;
class Wave;
class playState;

class Level {
public:
    // Shows the gauge at the value: its fill (a share of the Game's maxGauge)
    // and the highest fill shown.
    void updateGaugeDisplay(float value);
    // Releases a full gauge: its start sound, the gauge weapon set, the
    // cancelling of enemy shots and the invincibility it gives.
    void useGauge();
    // Shows the time left to continue the chain (a share of the Game's
    // timeBetweenChains) and the highest fill shown.
    void setChainGauge(float chainTimer);
    // Whether the play state's trigger list holds a trigger: the chain timer
    // runs only then.
    bool hasTriggers() const;

    // The level file's "isSpriteLighting": while set, sprites get the lit
    // sprite materials.
    bool isSpriteLighting = false;
    // While set, sprite materials are made anew instead of reused; clear when
    // the Level is made, cleared by the play state once it has built the level.
    bool isSpriteRefresh = false;
    // Set while the level plays.
    bool isRunning = false;
    // The play state playing this level, bound by it; not owned.
    playState* state = nullptr;
    // The enemy hit last (its life bar shows); cleared when a chain breaks.
    Enemy* lastHitEnemy = nullptr;
    // Gauge and chain gauge: the fill to show (0 to 1) and the fill drawn,
    // which the bar's layout brings down to the fill each frame.
    float gaugeFill = 0.0f;
    float gaugeShown = 0.0f;
    float chainFill = 0.0f;
    float chainShown = 0.0f;

    // The gauge bar (back, fill and ready layers) and the chain gauge bar
    // (back and fill), built with the Level and laid out every frame.
    void createGauge();
    void createChainGauge();
    // Both bars and their material copies; each destroy may run again.
    void destroyGauges();
    void destroyChainGauge();
    // Fill, colour, size and place from the Game's settings.
    void layoutGauge();
    void layoutChainGauge();
    // Shows the gauge and the chain gauge as far as the game's switches
    // allow them; hides them.
    void showGauges(bool show);
    Ogre::Overlay* gaugeEmptyOverlay = nullptr;
    Ogre::Overlay* gaugeLifeOverlay = nullptr;
    Ogre::Overlay* gaugeReadyOverlay = nullptr;
    Ogre::OverlayContainer* gaugeEmptyPanel = nullptr;
    Ogre::OverlayContainer* gaugeLifePanel = nullptr;
    Ogre::OverlayContainer* gaugeReadyPanel = nullptr;
    Ogre::Overlay* chainEmptyOverlay = nullptr;
    Ogre::Overlay* chainLifeOverlay = nullptr;
    Ogre::OverlayContainer* chainEmptyPanel = nullptr;
    Ogre::OverlayContainer* chainLifePanel = nullptr;
    // Height over width of each bar's back texture.
    float gaugeAspect = 0.125f;
    float chainAspect = 0.125f;

    // Moves every layer node by the camera's movement times the layer's
    // factor in percent (100 moves with the camera, 0 not at all).
    void translateLayers(const Ogre::Vector3& movement);
    // Tells the enabled post-effect compositors that the window or the
    // viewport changed size.
    void resizePostEffects();
    // The overlays drawn by the television compositor's "scene" viewport
    // while that compositor is on, else by the camera's viewport.
    void placeOverlays();
    // On: the level's fog (while the camera's mode value is 0). Off: the fog
    // colour with no density and no range.
    void enableFog(bool on);

    // The level's camera rig, bound by the play state; not owned. Null
    // where nothing is drawn: the level's settings then skip the camera.
    GameCamera* camera = nullptr;
    // The scene's exponential-squared fog from the values below, while the
    // camera's mode value is 0.
    void setFog();
    // The post-effect values into the compositors' programs, each compositor
    // switched on only while its effect shows, and the vignette's strength.
    void applyPostEffects();
    // The sun's colour by its strength, the ambient light by its own, then
    // the sun's direction.
    void setAmbientLight();
    // The sun's node above the scene, turned by Rot: about X, then Y, then Z.
    void setSunDirection();
    // The level's fog.
    double fogStart = 50.0;
    double fogEnd = 1000.0;
    double fogDensity = 0.2;
    Ogre::ColourValue fogColour{0.6f, 0.9f, 1.0f, 1.0f};
    // Post effects: the master switch, noise and chromatic shift, colour
    // correction with its four values, the television look and pixelation
    // with their intensity and size, the vignette with its strength.
    bool isPostEffects = false;
    bool isPostNoise = false;
    bool isPostChromatic = false;
    bool IsPostCC = false;
    float Brightness = 1.0f;
    float Contrast = 1.0f;
    float Saturation = 1.0f;
    float Gamma = 1.0f;
    bool isPostTV = false;
    float TV_intensity = 0.5f;
    bool IsPostPixel = false;
    float pixelSize = 2.0f;
    bool isPostVignette = true;
    float Vignette_strength = 0.5f;
    bool IsPostInvert = false;
    float Invert_strength = 0.0f;
    float TV_Curvature = 0.5f;
    float chromaticPostIntensity = 0.5f;
    float noisePostIntensity = 0.5f;
    // The compositors of the game viewport's chain that show them, none when
    // the player's settings turn post effects off: colour ("PostFX"),
    // television ("TVFX"), pixelation ("pixelateFX"), and the fourth, on while
    // both of the player's post-effect settings are.
    Ogre::CompositorInstance* colourCompositor = nullptr;
    Ogre::CompositorInstance* tvCompositor = nullptr;
    Ogre::CompositorInstance* pixelateCompositor = nullptr;
    Ogre::CompositorInstance* fourthCompositor = nullptr;

    // Makes the level's effects manager; the destructor destroys it with all
    // its effects.
    Level();
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    // Lights the level's explosion light at the world position with the range
    // and colour; nothing while the level has no explosion light.
    void flashExplosionLight(const Ogre::Vector3& position, int range, const Ogre::ColourValue& colour);
    // The level's effects manager (explosions and shared particles), owned.
    // Its camera is bound with the level's camera by the play state.
    sfxManager* effects = nullptr;
    // The explosion light ("Explosion01"), made with the level's lights.
    Ogre::Light* explosionLight = nullptr;
    Ogre::SceneNode* explosionLightNode = nullptr;
    // The explosion sound played last: Ogre's timer in milliseconds and its name.
    double lastExplosionSoundTime = 0.0;
    std::string lastExplosionSound;

    // The level's Bullet world, owned by the play state and bound by it: the
    // static bodies of the backgrounds live in it, and effects cast rays into
    // it. Null until then; backgrounds then make no body.
    btDiscreteDynamicsWorld* physicsWorld = nullptr;
    // The level's placed backgrounds; the play state frees them.
    std::vector<background*> backgrounds;
    // The level's layers by id, filled by the level-file reader.
    std::map<std::int32_t, levelLayer> layers;
    // Layer ids in drawing order: a layer's position here is its offset
    // in the render queues.
    std::vector<std::int32_t> layerOrder;
    // The highest layer id of the order, 0 when none is above 0.
    std::int32_t layerNameCounter = 0;
    // Enters the layer under its number; a layer it replaces loses its node.
    void replaceLayer(const levelLayer& layer);
    // Every layer's node destroyed (its children let go first) and the
    // layers and their order emptied.
    void destroyLayers();
    // The layer of the id; the one with the smallest id when the id is
    // absent; null when the level has no layers.
    levelLayer* getLayer(std::int32_t id);
    // The next render priority of a sprite background (the background adds
    // 1000): the counter goes round the Game's maxSpritesPriorities (at least 1).
    std::uint16_t nextBackgroundRenderPriority();
    std::uint16_t backgroundPriorityCounter = 0;
    // 1 + the highest number that ends a name of the level's backgrounds
    // (1 when there are none); a copied background is named "BG" + it.
    std::int32_t nextBackgroundNumber();

    // The play state's placed effects, bound by the play state; not owned.
    const std::vector<sfx*>* placedEffects = nullptr;
    // The position of the layer id in the layer order; 0 when absent or
    // when there is no order.
    std::uint16_t getLayerIndex(std::int32_t id) const;
    // The render priority of the next trigger overlay or effect: the previous
    // value plus 2, modulo 99.
    std::uint16_t nextEffectRenderPriority();
    std::uint16_t effectPriorityCounter = 0;
    // 1 + the highest number that ends a name of the placed effects (1 when
    // there are none); a copied effect is named "sfx" + it.
    std::int32_t nextSfxNumber();

    // Points times the multiplier (to hundredths) to the total and level
    // scores, both kept within 0 and the Game's maximumScore; nothing while
    // scoring is off.
    void addScore(std::int64_t points);
    // Clamps both scores, sets the count-up step towards the total and
    // grants at most one extra life when the total reaches the next extend
    // threshold.
    void checkScoreAndExtend();
    // One count-up step of the displayed score, scaled to the frame time
    // (one step per 16 ms); it never passes the total.
    void updateDisplayedScore(double dt);
    // The extra life's particles at the middle of the play plane in view,
    // and its sound.
    void showExtraLife();
    bool isScoring = true;

    // Binds the level to the play scene, loads its sounds and the pause
    // sound and makes its shot pools and the sprite batch of its shots;
    // destroy frees them again and hides the play screen's vignette.
    void create(Ogre::SceneManager* scene);
    void destroy();
    // The sprite batch and the shot pools freed, their bookkeeping emptied.
    void releaseShotPools();
    // The level's manual objects by name, made by create with the scene
    // manager; destroyManualObjects destroys the ones the scene still has
    // (taken off their nodes first) and forgets every name.
    std::unique_ptr<ManualObjectRegister> manualObjects;
    void destroyManualObjects();
    // The Game's level name when create ran ("test" before).
    std::string levelName = "test";
    // Two values of a play, back to 0 and 1 by every restart.
    std::uint32_t playValueA = 0;
    std::uint32_t playValueB = 1;
    // The explosion light on its own node and the sun under the root node;
    // both destroyed again by destroyLights.
    void createLights();
    void destroyLights();
    // With the player's post effects on, the pixelation, colour and
    // television compositors at the end of the camera viewport's chain;
    // removed again by removePostEffects.
    void addPostEffects();
    void removePostEffects();
    Ogre::SceneManager* sceneManager = nullptr;
    // Draws every live sprite shot, one object per shot definition and side;
    // owned, made by create.
    bulletSpriteBatch* bulletBatch = nullptr;

    // The shot pools' bookkeeping: indexes of free records (taken from the
    // back) and of records in flight or dying, per pool, in firing order.
    std::vector<std::int32_t> freeEnemyBullets;
    std::vector<std::int32_t> freePlayerBullets;
    ShotList liveEnemyBullets;
    ShotList livePlayerBullets;
    // A further index list per pool, emptied with the others.
    std::list<std::int32_t> secondEnemyBullets;
    std::list<std::int32_t> secondPlayerBullets;
    // The launches guns share while a step of them is open (ShotLaunchStep);
    // none between steps. Not owned.
    ShotLaunches* stepLaunches = nullptr;
    // While set, the player's guns take their shots from the enemy pool.
    std::uint8_t isPlayerWeaponEnemyPool = 0;
    // Shots fired in the level.
    std::int32_t shotCount = 0;
    // Live trail particle systems and ribbon trails of shots, each capped.
    static constexpr std::int32_t maxShotTrails = 1000;
    std::int32_t trailParticleCount = 0;
    std::int32_t ribbonTrailCount = 0;
    // Render layers of shots and their effects (render-queue group 40 plus
    // one of them): the player's layer index and the highest layer index of
    // the waves.
    std::uint8_t playerLayerIndex = 0;
    std::uint16_t topWaveLayerIndex = 0;
    // A free record of the pool, its index moved to the live list; null
    // when every record flies.
    bullet* takeBullet(bool isPlayerPool);
    // Every record of both pools free again, with the highest index first
    // to be taken, its node hidden and its trail gone; every shot's death
    // effect stops, and the cancel effect is made for the Game's template.
    void resetShotPools();
    // The impact and cancel effects shots play when they die, shared by all
    // shots of the level; owned, emptied by destroy.
    std::unique_ptr<ShotDeathEffects> shotDeathEffects;

    // Layered items dropped so far, wrapped to 0 above 99: their render
    // priority above 35000. The layer dropped items join (added to 40):
    // the level file's "currentLayer", kept within 0 and 255.
    int itemCounter = 0;
    std::uint8_t currentLayer = 0;
    // The next render priority of a sprite item (the item adds 30000): the
    // counter goes round the Game's maxSpritesPriorities (at least 1). It
    // starts at the level file's "zPriority", the background counter at its
    // "zBGPriority".
    std::uint16_t nextItemRenderPriority();
    std::uint16_t itemPriorityCounter = 0;
    // 1 + the highest number that ends a name of the play state's items
    // (1 when there are none); a copied item is named "Item" + it.
    std::int32_t nextItemNumber();
    // The medal item definitions of the items library by their "Score"
    // (not owned): ascending scores give the medal ranks 1, 2, 3 ... and the
    // threshold of each rank for the next medal's choice.
    std::map<std::int32_t, Item*> medalRanks;
    // Fills the medal ranks and numbers the medal definitions by them.
    void resetItemMap();
    // Every item definition's medal counter back to 1.
    void flagAllItemDefinitions();

    // 1 + the highest number that ends a name of the play state's triggers
    // (1 when there are none); a copied trigger is named "Trigger" + it.
    std::int32_t nextTriggerNumber();
    // 1 + the highest number that ends a name of the level's waves (1 when
    // there are none): the number of a copied wave's name.
    std::int32_t nextWaveNumber();

    // Every cancellable live enemy shot fired by a gun of the enemy ends,
    // cancelled, leaving the named item where it was (none for an empty
    // name); the cancel sound plays when at least one ended.
    void cancelShotsOfEnemy(const Enemy* enemy, const std::string& itemName);

    // Enemies and waves: the kills of the level (the kill triggers compare
    // them), the wave that killed last and the value of the last kill; set
    // when member meshes load late.
    std::int32_t killedEnemyCount = 0;
    Wave* lastKillingWave = nullptr;
    double lastKillValue = 0.0;
    bool isDeferredLoading = false;
    // Raised by every overlay trigger that fires: its overlay's Z order.
    unsigned overlayCounter = 0;
    // The camera-speed trigger in charge; a later one takes over.
    Trigger* speedTrigger = nullptr;
    // The level's waves, bound by the play state; not owned.
    std::vector<Wave*> waves;
    // For the enemies' invincibility limits: the outline of the Game's
    // invincibilityLimits rectangle, made by the play state; not owned. An
    // enemy becomes vulnerable once one of its outlines touches it.
    Obb* invincibilityLimitsOutline = nullptr;
    static bool isListEmpty(const std::vector<entity*>& list) { return list.empty(); }

    // The level file's own settings: the ship it imposes (empty: the
    // player's), its music and volume, whether the HUD shows, whether it is
    // played at all (not a backdrop) and whether play may pause.
    std::string playerOverride;
    std::string music;
    float musicVolume = 1.0f;
    bool isShowHUD = true;
    bool isGameplayLevel = true;
    bool isPauseDisabled = false;
    // The last number the editor gave a copy of each kind; -1 for none.
    std::int32_t lastWaveNameCounter = -1;
    std::int32_t lastTriggerNameCounter = -1;
    std::int32_t lastSfxNameCounter = -1;
    std::int32_t particleNameCounter = -1;
    std::int32_t lastBGNameCounter = -1;
    std::int32_t lastItemNameCounter = -1;
    std::int32_t textNameCounter = -1;
    // The picture the HUD shows behind the level.
    std::string backgroundGameName;
    // The sun: its angles in degrees, strength and colour, the ambient
    // light's strength and colour, and whether it casts shadows. Its node
    // carries the light "sun"; both are made with the level's lights.
    Ogre::Vector3 Rot{300.0f, 15.0f, 0.0f};
    float SunInt = 1.0f;
    float AmbiantInt = 0.2f;
    Ogre::ColourValue Col{1.0f, 0.96f, 0.84f, 1.0f};
    Ogre::ColourValue Amb{0.55f, 0.6f, 0.7f, 1.0f};
    bool isShadows = false;
    Ogre::SceneNode* sunNode = nullptr;

    // The fog, sun and ambient values a level starts from, and no music.
    void setDefaults();
    // Count-up step 1, explosion light off, play clock and per-play counters
    // 0, the enemy life bar full.
    void resetCounters();
    // Back to the level's start: scores, medals, explosion light, bars,
    // effects and sounds; a full restart also resets the counters and
    // restarts the music.
    void restart(bool full);
    // One frame of the level's own animation.
    void update(double dt);
    // Seconds of play, advanced by update.
    double playClock = 0.0;
    // How far the displayed score moves per 16 ms.
    std::int64_t scoreCountUpStep = 1;

    // Range of the explosion light; 0 or less means it is off. It shrinks
    // by 250 a second.
    float explosionLightRange = 0.0f;
    void updateExplosionLight(double dt);

    // On: texture-based modulative shadows and the "NORMAL" material scheme
    // on the camera's viewport; off: no shadows and "NOSHADOWS".
    void setShadows(bool on);
    // Each object's cast-shadows flag into its Ogre object: backgrounds,
    // items, the player and each wave's first member; sprites cast none
    // without sprite lighting.
    void updateShadowFlags();

    // Every object's render queue from the position of its layer in the
    // layer order.
    void assignRenderQueues();
    // Built backgrounds on a scrolling layer hang under that layer's node.
    void attachEntitiesToLayers();

    // --- Enemy life bars ---
    // One bar for enemies at a time: the bar of the enemy hit last, or a
    // boss's bar of up to four coloured layers. A back panel and two fill
    // panels, each on an overlay of its own; built with the Level.
    void createEnemyLifeBars();
    // The three overlays and panels and the bar's material copies; may run again.
    void destroyEnemyLifeBars();
    // An enemy's hit points: the full, current and previous ones.
    void showEnemyLifeBar(float maxHp, float currentHp, float previousHp, Enemy* enemy, bool isBoss);
    // The fill falls toward the hit points left; the bar fades out two
    // seconds after the last report, a boss bar only once its boss is gone
    // or empty. Then colours, size and place.
    void updateEnemyLifeBar(double frameTime);
    // Whether the back texture is a file of the game itself.
    bool barTexturesFromProject = false;
    Ogre::OverlayContainer* emptyPanel = nullptr;
    Ogre::OverlayContainer* lifePanel = nullptr;
    Ogre::OverlayContainer* life2Panel = nullptr;
    Ogre::Overlay* emptyOverlay = nullptr;
    Ogre::Overlay* lifeOverlay = nullptr;
    Ogre::Overlay* life2Overlay = nullptr;
    // Back texture height over width.
    float barAspect = 0.125f;
    // Seconds since the bar last changed.
    float barTime = 0.0f;
    // Share of hit points left (0 to 1) and the share drawn, which falls
    // toward it by barFallStep a frame.
    float barTarget = 1.0f;
    float barShown = 1.0f;
    bool barIsBoss = false;
    std::int32_t barMaxHp = 0;
    // The boss bar's opening, from 1 down to 0 seconds.
    float barIntro = 0.0f;
    float barFallStep = 0.0f;
    Enemy* barEnemy = nullptr;
    // The boss whose bar is up, set by the boss itself.
    Enemy* bossBarEnemy = nullptr;

    // --- Score and multiplier pop-ups ---
    // Numbers rising where points or a new multiplier were won, two seconds
    // each; the pool is made by create.
    static constexpr std::size_t scorePopupCount = 999;
    std::vector<std::unique_ptr<ScorePopup>> scorePopups;
    // The points in the first free pop-up; dropped when none is free.
    void spawnScorePopup(const Ogre::Vector3& position, std::int64_t points);
    // "x" and the multiplier, unless it is 1 or the game shows none.
    void spawnMultiplierPopup(const Ogre::Vector3& position, double multiplier);
    void stopAllScorePopups();
    // The digit strips' textures into their tile materials, and the tile
    // sizes and particle templates into every pop-up.
    void createScorePopupTextures();
    void createMultiplierPopupTextures();

    // --- The build at play start ---
    // Makes or remakes the graphics of the level's objects whose library
    // definition changed (all of them when the Game asks for a full
    // rebuild), clears the change marks, and shows the sky.
    void build();
};
