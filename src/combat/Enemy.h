// One hostile actor of a wave, an entity of the plain kind: life and score
// values, weapon sets of gun copies, a path to follow, collision outlines,
// rotating parts, an optional snake body, start and death effects. Its wave
// owns it, steps it every frame and kills it; the wave reader fills the
// definition fields, and a wave's members and its spawner's copies are made
// from such a definition by copying. Tank derives from it.
//
// Scene nodes, each a child of the one before: root (under the parent node
// given to placeInScene), main (the entity's sceneNode; the path follower
// moves it), heading, offset (the cosine wobble), spin (AnimRot and the death
// spin), body (rotors, guns, effects, the symmetry scale, the orientation)
// and mesh (the main entity and the outlines).
#pragma once

#include "platform/sound/Channel.h"
#include "world/entity.h"

// Declares the Ogre classes used here and MaterialPtr.
#include <OgrePrerequisites.h>
#include <OgreQuaternion.h>
#include <OgreSharedPtr.h>
#include <OgreVector.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class btCollisionShape;
class btRigidBody;
class Game;
class Level;
class Obb;
class PathFollower;
class Player;
class Wave;
class Waypoint;
class Weapon;
class sfxDefinition;
struct CurveSample;
struct rotor;

class Enemy : public entity {
public:
    // Values of the entity status of an enemy.
    static constexpr std::uint32_t statusInactive = 0;
    static constexpr std::uint32_t statusStarting = 1;
    static constexpr std::uint32_t statusAlive = 2;
    static constexpr std::uint32_t statusDead = 3;
    static constexpr std::uint32_t statusDying = 4;
    static constexpr std::uint32_t statusPausedOffScreen = 6;
    // A spawner's copy, built and hidden until the spawner releases it.
    static constexpr std::uint32_t statusWaitingCopy = 7;
    // Hit kinds with a rule of their own.
    static constexpr std::int32_t hitShot = 2; // a shot or a beam
    static constexpr std::int32_t hitBomb = 5; // screen-wide: counts inside the beam cool-down
    static constexpr std::int32_t hitRam = 6;
    static constexpr std::int32_t hitLockedOnShot = 7;
    // currentWeaponSet when no set fires.
    static constexpr std::int32_t noWeaponSet = -1;

    // One point of the head's track, which the snake body follows: a
    // position in the space of the main node's parent and an orientation.
    struct TrackRecord {
        Ogre::Vector3 position = Ogre::Vector3::ZERO;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    };

    Enemy();
    // Placement, definition fields and links; containers start empty, there
    // are no scene objects and the runtime state is fresh. The owned parts
    // come from setupFromDefinition.
    Enemy(const Enemy& source);
    Enemy& operator=(const Enemy&) = delete;
    ~Enemy() override;
    entity* clone() const override;

    // Frees every scene and physics object, the owned parts and the path
    // follower, then ends the enemy at once.
    void destroyGraphics() override;
    void setVisible(bool visible) override;
    void setLayer(std::uint8_t layerIndex) override;

    // --- own slots, in order ---
    virtual void placeInScene(Ogre::SceneNode* parent, const Ogre::Quaternion& startOrientation, Level* newLevel,
                              Ogre::SceneManager* scene);
    virtual void destroyMesh();
    // Damage taken by the enemy's own rules; source may be null. The enemy
    // does not die here: its wave kills a member whose life reached 0.
    virtual void hit(std::int32_t damage, Weapon* source, std::int32_t hitKind, const Ogre::Vector3& hitPosition,
                     bool isContact);
    virtual void updateLifeBar(std::int32_t newLife);
    // Custom shader parameter 1 of every sub-entity of the enemy's meshes.
    virtual void flashHit(const Ogre::ColourValue& colour);
    // Level start and restart.
    virtual void reset();
    virtual void clearFlash();
    virtual void explode();
    virtual void loadMesh();
    // A boss's life bar while it is starting.
    virtual void showLifeBar();
    virtual void updateDeath(double dt);
    // The wave's curve points go to the path follower unchanged.
    virtual void move(double dt, const std::vector<CurveSample>& curvePoints, Player* player);

    // --- model and lifecycle ---
    void setDefaults();
    void resetRuntimeState();
    // The definition fields, copied by the copy constructor and by a wave
    // that replaces its member with one of another class.
    void copyDefinitionFields(const Enemy& source);
    // Replaces the owned guns, outlines, rotors and effects by copies of the
    // definition's; with dataOnly they are not bound to the scene.
    void setupFromDefinition(const Enemy& definition, bool dataOnly);
    // The frame's step, already scaled by the wave's time factor.
    void update(double dt, Player* player, const std::vector<CurveSample>& curvePoints);
    void die(bool immediate);
    void updateInvincibilityLimits();
    void attachWeaponNodes();
    void detachWeaponNodes();
    void setEffectsActive(bool on);
    void clearSfxParticles();
    // The main node back under its parent node at the start position.
    void returnToParentNode();

    // --- movement and snake body ---
    void updateSnake(double dt, const Ogre::Vector3& previousPosition, const Ogre::Vector3& currentPosition);
    // Builds the snake body; nothing for other enemies.
    void createVisuals();
    void destroySnakeBody();

    // --- visuals ---
    void createMesh();
    // Whether the level's game camera sees the enemy's meshes; also records
    // whether "PlayCam" does (isInPlayCamera).
    bool testOnScreen();
    void updateCollisionBoxes();
    void createRotorMeshes();
    void destroyRotorMeshes();
    void createStartParticles();
    void destroyStartParticles();
    void destroyPhysicsBody();

    // --- guns ---
    // One fixed 1/60 s fire step of the current set toward the target.
    void updateShoot(const Ogre::Vector3& target);
    // The set of the index, or none when it names no set; every gun is reset
    // when the set changes.
    void resetWeapons(std::int32_t weaponSet);
    void createWeaponEffects();

    // Links: the owning wave (the "owner"), not owned.
    Wave* wave = nullptr;
    // The wave's own name, copied from it.
    std::string waveName;
    std::int32_t category = 0;
    // Parent of the root node, given to placeInScene.
    Ogre::SceneNode* parentNode = nullptr;

    // Definition: class, life, score and damage
    std::uint8_t isTank = 0;
    std::int32_t life = 1;
    std::int32_t score = 10;
    std::int32_t scoreWhenHit = 0;
    std::int32_t damage = 1;

    // Outline invincibility, found by reset
    std::uint8_t isAllOutlinesInvincible = 0;
    std::uint8_t hasInvincibleOutline = 0;

    // Collisions the play state tests
    std::uint8_t isCollideWPlayer = 1;
    std::uint8_t isCollideWBullets = 1;
    std::uint8_t isCollideWEnemyBullets = 0;
    // Handed negated to the explosion spawner.
    std::uint8_t isGround = 1;

    // Timing, spin and wobble
    float destructionTime = 0.0f;
    double spawnDelay = 0.0;
    // Spin of the spin node: value x 10 degrees per second about each axis.
    Ogre::Vector3 AnimRot = Ogre::Vector3::ZERO;
    Ogre::Vector3 sinSpeed{2.0f, 2.0f, 2.0f};
    Ogre::Vector3 sindistance = Ogre::Vector3::ZERO;
    std::uint8_t isKeepFormation = 0;
    std::uint8_t isBigLifebar = 0;
    // -1 mirrors the body on x.
    std::int32_t symmetry = 1;
    // Steering enemies have no path follower.
    std::int32_t isSteering = 0;
    std::uint8_t isDeathCancelsBullets = 0;
    // Stays hidden whenever shown, unless the Game reveals hidden enemies.
    std::uint8_t isHidden = 0;
    std::uint8_t isDontFireIfNearPlayer = 0;
    float dontFireRadius = 0.1f;

    // Death motion: drift x 5 units and spin x 100 degrees per second.
    Ogre::Vector3 deathTranslation = Ogre::Vector3::ZERO;
    Ogre::Vector3 deathRotation = Ogre::Vector3::ZERO;
    double timeAfterDestruction = 0.0;
    double segmentDeathInterval = 0.04;
    double extraDeathTime = 0.0;

    // Snake body
    std::uint8_t isSnake = 0;
    std::int32_t snakeNumber = 10;
    float snakeDistance = 5.0f;
    std::uint8_t isSnakeHeadInvincible = 0;
    std::uint8_t isSnakeTailInvincible = 0;
    std::uint8_t isSnakeBodyInvincible = 0;
    // One entry per segment: its node on the track, the child that carries
    // the wobble and the grandchild that spins and carries the mesh.
    std::vector<Ogre::SceneNode*> segmentNodes;
    std::vector<Ogre::SceneNode*> segmentOffsetNodes;
    std::vector<Ogre::SceneNode*> segmentSpinNodes;
    // A sprite snake's body and tail materials; empty without their textures.
    Ogre::MaterialPtr bodySpriteMaterial;
    Ogre::MaterialPtr tailSpriteMaterial;
    // Meshes beside the main entity (the movableObject): body, tail, segments.
    std::vector<Ogre::Entity*> partEntities;
    std::vector<float> segmentLengths;
    float bodyLength = 0.0f;
    // The outlines at the end of `outlines` that belong to the body.
    std::uint32_t segmentOutlineCount = 0;
    // The head's track, newest first.
    std::deque<TrackRecord> history;
    float trackDistance = 0.0f;
    double trackLength = 0.0;
    Ogre::Vector3 previousLocalPosition = Ogre::Vector3::ZERO;

    // Start effects
    Ogre::ParticleSystem* startParticles = nullptr;
    platform::Channel startSoundChannel;

    // Runtime state
    float explosionCooldown = 0.0f;
    double startInvincibility = 0.2;
    double invincibilityTimer = 0.0;
    std::int32_t currentLife = 1;
    // Life before the last change: the life bar's trailing part.
    std::int32_t previousLife = 1;
    float deathTimer = 0.0f;
    double lifeTime = 0.0;
    double aliveTime = 0.0;
    float offScreenTime = 0.0f;
    std::uint8_t wasSeen = 0;
    float hitFlashTimer = 0.0f;
    double laserHitCooldown = 0.0;
    double contactHitCooldown = 0.0;
    std::uint8_t hasAnimRot = 0;
    // Previous body-node position minus the current one.
    Ogre::Vector3 lastDisplacement = Ogre::Vector3::ZERO;
    // The on-screen test runs every second frame.
    std::uint8_t onScreenTestPhase = 0;
    std::uint8_t isInPlayCamera = 0;
    std::int32_t lastWeaponSetWaypoint = -1;
    // Unhurt until an outline touches the Game's invincibility limits.
    std::uint8_t isOutsideInvincibilityLimits = 1;
    std::uint8_t keepSpriteAnimation = 0;
    // Its wave waits for a trigger to start it; set by the wave's reset.
    std::uint8_t startedByTrigger = 0;

    // Guns: owned copies of the definition's, in sets.
    std::int32_t currentWeaponSet = 0;
    std::vector<std::vector<Weapon*>> weaponSets;
    std::vector<std::string> weaponSetNames;

    // Owned rotating parts and path follower (none for a steering enemy).
    std::vector<rotor*> rotors;
    PathFollower* pathFollower = nullptr;
    // The wave's path, not owned.
    std::vector<Waypoint*>* waypoints = nullptr;
    float WP_GlobalSpeedMult = 1.0f;

    // Node chain below the main node (sceneNode).
    Ogre::SceneNode* rootNode = nullptr;
    Ogre::SceneNode* headingNode = nullptr;
    Ogre::SceneNode* offsetNode = nullptr;
    Ogre::SceneNode* spinNode = nullptr;
    Ogre::SceneNode* bodyNode = nullptr;
    Ogre::SceneNode* meshNode = nullptr;
    // A tank's muzzle, where the first gun of each set hangs; null otherwise.
    Ogre::SceneNode* muzzleNode = nullptr;

    // Owned collision outlines.
    std::vector<Obb*> outlines;
    // The wave's member list, not owned; the first member is the wave's own.
    std::vector<Enemy*>* members = nullptr;
    // Owned copies of the definition's effect emitters.
    std::vector<sfxDefinition*> sfxs;

    // Optional physics body, owned.
    btCollisionShape* collisionShape = nullptr;
    btCollisionShape* childShape = nullptr;
    btRigidBody* rigidBody = nullptr;

    Ogre::Vector3 lastBodyPosition = Ogre::Vector3::ZERO;
    Ogre::Camera* playCamera = nullptr;
    Level* level = nullptr;
    Game* game = nullptr;
    // Run for each spawned copy (not the wave's own first member) once the
    // enemies' looks are built when play starts; copies take the template's;
    // none by default.
    std::function<void(Enemy&)> visualsBuiltHook;
};
