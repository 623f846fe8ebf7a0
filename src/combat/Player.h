// The player's ship, an entity of kind 3: its mesh or sprite plane on a tree
// of scene nodes under the camera rig, its outlines, its weapon sets of gun
// copies, its rotating parts, the particle definitions that follow it and a
// Bullet body that scenery stops. The players library holds definitions read
// from "gamebox.players"; play uses one more Player, owned by the play state,
// into which the chosen definition is copied. The play state drives it each
// frame: focus, shooting in fixed steps, the state step, hits and respawn.
#pragma once

#include "world/entity.h"

#include <OgreColourValue.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
class Entity;
class ParticleSystem;
} // namespace Ogre

class btCapsuleShape;
class btCompoundShape;
class btDefaultMotionState;
class btRigidBody;
class Game;
class GameCamera;
class Level;
class Obb;
class Weapon;
class sfxDefinition;
struct rotor;

class Player : public entity {
public:
    // Values of the entity status of the ship.
    static constexpr std::uint32_t statusWaiting = 0;
    static constexpr std::uint32_t statusIntro = 1;
    static constexpr std::uint32_t statusPlaying = 2;
    static constexpr std::uint32_t statusOut = 3;
    static constexpr std::uint32_t statusDying = 4;
    // Hit kinds with a rule of their own.
    static constexpr std::int32_t hitContact = 0;
    static constexpr std::int32_t hitBackground = 1;
    static constexpr std::int32_t hitOffScreen = 4;
    // The rotation types the ship knows.
    static constexpr std::int32_t rotationCrosshair = 1;
    static constexpr std::int32_t rotationButton8Fires = 2;
    // focusWeaponSet when the ship has no focus set.
    static constexpr std::int32_t noFocusSet = -1;

    Player();
    // Copies every definition field, the outlines, rotors and particle
    // definitions, and the weapon sets (each gun bound to the level and the
    // ship's node); scene objects start afresh.
    Player(const Player& source);
    Player& operator=(const Player&) = delete;
    ~Player() override;
    entity* clone() const override;

    void setPosition(const Ogre::Vector3& newPosition) override;
    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    void setScale(const Ogre::Vector3& newScale) override;
    void applyRotation(const Ogre::Vector3& degrees) override;
    // Passes the status to the children only; the ship's own stays.
    void setStatus(int newStatus) override;
    void setVisible(bool visible) override;
    void setLayer(std::uint8_t layerIndex) override;
    void rebuildGraphics() override;

    // --- model and set-up ---
    void setDefaults();
    // The node tree under "CamNode1", the crosshair and the level's
    // ready-gauge particles.
    void createSceneNodes(Ogre::SceneManager* scene);
    // Copies a library definition in: outlines, rotors, particle
    // definitions and weapon sets. Quiet: no particles started, no guns reset.
    void setupFromDefinition(const Player* definition, bool quiet);
    void loadMesh(const std::string& newMeshName);
    // The Game's weapon level: the set of the index, capped at the last set
    // (a negative index too); every weapon is reset. The same level again,
    // or a ship without sets, changes nothing.
    void setWeaponLevel(int level);
    void resetWeapons();
    void applyStartOrientation();
    void setSfxEmitting(bool on);
    // Custom shader parameter 1 of every sub-entity of the ship's mesh.
    void setColour(const Ogre::ColourValue& colour);

    // --- rotating parts ---
    void createRotor();
    void destroyRotors();
    void turnRotors(double dt);

    // --- control and shooting ---
    // One fixed 1/60 s step of the active weapon set.
    void shoot(double dt);
    // Whether this step's fire input starts a lock-on gun's cycle without
    // targets, and the locking of the play state's on-screen enemies for it.
    static bool isLockStarting(const Weapon& gun, bool fire);
    void lockOn(Weapon& gun);
    void updateFocus(double dt);
    void updateState(double dt);
    void updateIntro(double dt);
    void updateTimedMove(double dt);
    // Node orientations reset and the scale re-applied; unless kept, the
    // ship goes to its play position on the camera rig.
    void followCameraNode(bool keepPosition);
    void updateObbs();
    // Writes screenCorrection: what keeps the camera-limit outlines inside
    // the view after the planned move.
    void isInsideScreen(const Ogre::Vector3& move);
    // Triggers' no-shooting switch; nothing when it does not change.
    void setShootingDisabled(bool disabled);

    // --- hits, force field, death and respawn ---
    void hit(std::int32_t damage, std::int32_t kind, const Ogre::Vector3& where);
    // The Game's life, capped at its maximum; at 0 or below the ship dies.
    void setLife(int newLife);
    void startForceField(float duration, int fieldLife, const std::string& particleName, const std::string& endSound,
                         float endVolume, const std::string& hitSound, float hitVolume);
    void absorbForceFieldHit();
    void updateForceField(double dt);
    void endForceField();
    void updateDeath(double dt);
    void resetRuntimeState();
    void respawn(bool moveToPlayPosition);

    // --- physics body ---
    void createPhysicsBody();
    void destroyPhysicsBody();
    void syncScale();
    void syncPhysicsTransform();
    void syncFromPhysics();
    void checkPhysicsContacts(double dt);

    // Identity and look
    std::string playerName = "player";
    std::string meshName;
    std::string spriteName;

    // Weapon sets: each an ordered list of owned guns; the Game's weapon
    // level picks the active one.
    std::vector<std::vector<Weapon*>> weaponSets;
    // The set the Game's weapon level picks; null when it picks none.
    std::vector<Weapon*>* activeWeaponSet();
    std::vector<std::string> weaponSetNames;
    // An overriding weapon set is held while the flag is set (the power-up
    // level then leaves the weapon level alone).
    bool isWeaponSetOverride = false;
    int overrideWeaponSet = -1;

    // Focus
    std::uint8_t isFocus = 0;
    std::uint8_t isFocusPlusX = 0;
    std::int32_t focusButton = 0;
    std::int32_t focusWeaponSet = noFocusSet;
    std::int32_t focusWeaponSetPlus = 1;
    std::int32_t focusPlayerSpeed = 30;
    // The speed a run starts with and focus gives back.
    std::int32_t integerSpeed = 30;
    std::int32_t savedWeaponLevel = 0;
    bool isFocusMode = false;

    // Collisions
    std::int32_t BgCollisionDamage = 0;
    std::int32_t enemyCollisionDamage = 1;
    std::uint8_t isCollisionRepulse = 0;
    std::uint8_t isEnemyCollisionRepulse = 0;
    float BgCollisionTimeBeforeHit = 0.0f;
    float backgroundContactTime = 0.0f;

    // Death
    double deathElapsed = 0.0;
    double shrinkElapsed = 0.0;
    double shrinkDuration = 0.1;
    bool isDeathStarted = false;
    Ogre::Vector3 deathTranslation = Ogre::Vector3::ZERO;
    Ogre::Vector3 deathRotation = Ogre::Vector3::ZERO;
    std::string explosionName = "explo_small01";
    std::int32_t explosionNumber = 1;
    float explosionRadius = 0.0f;
    float explosionScale = 1.0f;
    float destructionTime = 0.0f;

    // Rotation ("ROTATION" element)
    std::int32_t type = 0;
    // -1 mirrors the ship (and flips its guns).
    std::int32_t symmetry = 1;
    Ogre::Vector2 bankLimits = Ogre::Vector2::ZERO;
    float rotationSpeed = 15.0f;
    std::uint8_t isBanking = 0;
    float bankSpeed = 5.0f;
    Ogre::Vector3 orient = Ogre::Vector3::ZERO;
    Ogre::Quaternion startSpriteOrientation = Ogre::Quaternion::IDENTITY;
    // A side-facing ship (rotation type 3) faces up or down the screen
    // instead of left or right.
    std::uint8_t isVerticalFacing = 0;

    // The running force field.
    struct ForceField {
        bool isActive = false;
        bool hasLife = false;
        int life = 0;
        // Shots and beams whose screen centre comes this close (in hundredths
        // of the screen) to the ship's hit outline meet the field; 0 = the
        // field is as large as the ship's outlines.
        float radius = 0.0f;
        float duration = 0.0f;
        double durationLeft = 0.0;
        double hitCooldown = 0.0;
        std::string particleName;
        std::string endSound;
        float endVolume = 1.0f;
        std::string hitSound;
        float hitVolume = 1.0f;
        Ogre::ParticleSystem* particles = nullptr;
    };
    ForceField forceField;

    // Movement
    std::uint8_t usePhysics = 0;
    float Braking = 5.0f;
    float Acceleration = 5.0f;
    float gravity = 0.0f;
    std::uint8_t isOnlyLateral = 0;
    std::uint8_t isMouseMovePlayer = 0;
    std::uint8_t isMouseUseSpeed = 0;
    float baseSpeed = 30.0f;
    float currentSpeed = 30.0f;
    // Set by the play state's player step when it had steering input this
    // frame; the engine particles emit only then.
    bool isSteering = false;
    // The node's world position at the start of this frame's player step
    // (and at respawn), and the node's move since then, counted after the
    // physics step.
    Ogre::Vector3 velocity = Ogre::Vector3::ZERO;
    Ogre::Vector3 previousPosition = Ogre::Vector3::ZERO;

    // Scripted control, set by triggers
    bool isFrozen = false;
    // A trigger's move in progress: duration, time left, start and target in
    // the local space of "CamNode1". Contact triggers ignore the ship meanwhile.
    bool isBeingMoved = false;
    float moveDuration = 0.0f;
    float moveTimer = 0.0f;
    Ogre::Vector3 moveStart = Ogre::Vector3::ZERO;
    Ogre::Vector3 moveTarget = Ogre::Vector3::ZERO;
    bool isNoShooting = false;
    bool isNoSmartBomb = false;
    // The ship's own hold on its bombs, beside the triggers' one.
    bool isSmartBombHeld = false;
    // Set by the play flow when the level or the game is complete.
    bool isLevelEnded = false;
    // A checkpoint's place for the next respawn and restart, same space.
    Ogre::Vector3 respawnPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 restartPosition = Ogre::Vector3::ZERO;
    // While set, items that take life away do nothing.
    bool isLifeLossBlocked = false;
    // Items of kind 1 picked up.
    int itemCount = 0;

    // Hits
    float invincibilityTime = 0.0f;
    double backgroundHitCooldown = 0.0;
    // Hit or touching scenery this frame; the play state's player step
    // clears it at the start of every frame.
    bool isTouched = false;
    bool isBlinking = false;
    // A scenery contact was under way last frame (its sound plays once).
    bool isInContact = false;
    std::string collisionSound = "impact.ogg";
    std::string collisionBulletsSound = "impact.ogg";
    float invicibilityTimeWhenHit = 1.5f;
    std::string hitParticleName;

    // Intro and restart
    std::uint8_t isIntroMove = 1;
    float introAngle = 180.0f;
    float introDistance = 30.0f;
    float introDuration = 0.7f;
    double introElapsed = 0.0;
    // Where the intro flight starts, as an offset (x, z) from the start position.
    Ogre::Vector2 introOffset = Ogre::Vector2::ZERO;
    Ogre::Vector3 startPosition = Ogre::Vector3::ZERO;
    // The play position, in the space of "CamNode1".
    Ogre::Vector3 pos = Ogre::Vector3::ZERO;
    float introInvincibleTime = 1.0f;
    float startInvincibleTime = 0.0f;
    bool isStartInvincible = false;
    float timeBeforeRestart = 1.0f;
    std::uint8_t isRestartCancelBullets = 1;
    float timeBeforeEnemiesCanShoot = 2.0f;
    float offScreenTime = 0.0f;

    // Steering by the play state: the velocity the controls give (units per
    // second), an offset added to every move, the node's local position
    // before this frame's move and the move it made, the tilts (x forward,
    // y sideways) within ±0.99, the damage the ship does to enemies it
    // touches, whether walls spark without push-out, push-out held off until
    // a frame without contact, a wall touched this frame, and the world and
    // aim positions published after the step.
    Ogre::Vector3 steerVelocity = Ogre::Vector3::ZERO;
    Ogre::Vector3 moveOffset = Ogre::Vector3::ZERO;
    Ogre::Vector3 previousLocalPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 displacement = Ogre::Vector3::ZERO;
    Ogre::Vector2 tilt = Ogre::Vector2::ZERO;
    std::int32_t ramDamage = 0;
    std::int32_t wallSparks = 0;
    bool isPushOutSuspended = false;
    bool isTouchingWall = false;
    Ogre::Vector3 worldPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 aimPosition = Ogre::Vector3::ZERO;

    // Outlines, owned, in document order; the hit box among them, and two
    // optional extra outlines.
    std::vector<Obb*> outlines;
    std::int32_t hitBoxIndex = 0;
    Obb* extraOutlines[2] = {nullptr, nullptr};
    // The average of the first outline's corner points.
    Ogre::Vector3 outlineCentre = Ogre::Vector3::ZERO;
    bool hasCameraLimitOutline = false;
    // What isInsideScreen found: x and z corrections of the move.
    Ogre::Vector2 screenCorrection = Ogre::Vector2::ZERO;
    // The node's screen position, stored by the state step (0..1, top left).
    Ogre::Vector2 screenPosition = Ogre::Vector2::ZERO;

    // Sprite direction frames
    std::int32_t animationDirectionWays = 4;
    std::uint8_t isSnapToDirection = 0;
    // Index 0..7 into the direction table: the direction the sprite shows.
    std::uint32_t directionCode = 0;
    // Set at respawn; switches the two-way quantiser to the up/down pair.
    bool isAlternativeDirection = false;
    // Besides the intro, lets the mouse buttons fire.
    bool isMouseFire = false;

    // Particles that follow the ship, owned; and its rotating parts, owned.
    std::vector<sfxDefinition*> sfxDefinitions;
    std::vector<rotor*> rotors;

    // Physics body in the level's world
    btCompoundShape* compoundShape = nullptr;
    btCapsuleShape* capsuleShape = nullptr;
    btRigidBody* body = nullptr;
    btDefaultMotionState* motionState = nullptr;

    // Scene nodes, made by createSceneNodes (sceneNode is "player").
    Ogre::SceneNode* bankNode = nullptr;
    Ogre::SceneNode* animationNode = nullptr;
    Ogre::SceneNode* sideNode = nullptr;
    Ogre::SceneNode* meshNode = nullptr;
    Ogre::SceneNode* entityNode = nullptr;
    Ogre::SceneNode* forceFieldNode = nullptr;
    Ogre::SceneNode* canonNode = nullptr;
    Ogre::SceneNode* aimNode = nullptr;
    Ogre::Entity* aimEntity = nullptr;
    Ogre::Entity* meshEntity = nullptr;

    // Links, set by createSceneNodes
    Ogre::Camera* camera = nullptr;
    GameCamera* gameCamera = nullptr;
    Game* game = nullptr;
    Level* level = nullptr;
    // Height of the plane the ship flies in.
    float playHeight = 0.0f;

private:
    // The node tree and the crosshair, made and destroyed by name: a second
    // ship in the same scene would otherwise meet the first one's names.
    void destroySceneNodes();
    void createCrosshair();

    // The state step's parts: the step of a ship in play (not frozen), the
    // on-screen test, the invincibility blink, the engine particles.
    void stepInPlay(double dt);
    bool isSeenByCamera() const;
    void updateBlink(double dt);
    void updateEngineParticles();
    // The mesh entity "player" detached and destroyed, before a new one is
    // made and when the ship goes.
    void destroyMeshEntity();
};
