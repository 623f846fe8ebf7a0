// One shot, the player's or an enemy's: a plain record made once per level
// with its collision outline, and reused for every shot it carries. The
// record keeps its own place: the batch draws a sprite shot from the
// record's corners, so such a shot has no scene node and costs Ogre nothing.
// A node (with an effect node under it) is made for a record only when a
// flight shows something Ogre places, a trail or a beam, and is kept for
// the record's later flights. A weapon copies its shot parameters into a free
// record and launches it; each fixed step moves it, ages it and tests it
// against the view; its death plays an impact or cancel burst from the
// Level's shared ones and fades its trail before the record goes back to
// its pool. Laser beams use the same record but belong to their gun and
// never enter a pool.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>

namespace Ogre {
class Camera;
class ManualObject;
class Node;
class ParticleSystem;
class RibbonTrail;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Obb;
class Weapon;
class entity;
class bulletDefinition;

class bullet {
public:
    // The states of a record.
    static constexpr std::int32_t stateFlying = 2;
    static constexpr std::int32_t stateFree = 3;
    static constexpr std::int32_t stateDying = 4;

    bullet();
    bullet(const bullet&) = delete;
    bullet& operator=(const bullet&) = delete;
    ~bullet();

    // Its node and the effect node under it, out of the scene until a
    // flight places it, and a laser's own outline.
    void createNode();
    // Whether the record's node is in the scene, following the record.
    bool isNodePlaced() const;
    // Puts the node under the record's parent at the record's place.
    void placeNode();
    // Where the shot is in the world, as Ogre would derive a child node's
    // position from the parent's.
    Ogre::Vector3 worldPosition() const;
    // Back to a free record's flight state (no effect is touched).
    void resetState();
    // Starts a flight: the record takes its place, size, facing and speed
    // and builds its trail. `direction` may be turned in place for side
    // assets; a null parent keeps the shot under "CamNode1"; a null
    // definition draws the stand-in sprite.
    void launch(Weapon* gun, const Ogre::Vector3& position, float shotScale, Ogre::Vector3& direction,
                Ogre::SceneNode* parent, const bulletDefinition* definition);
    // Destroys the node and everything on it, and the effects.
    void releaseEffects();

    // One fixed step of flight or of dying; `target` is the homing point.
    void update(double& dt, const Ogre::Vector3& target);
    void die(bool withImpact, bool cancelled);
    // One hit on a destructible shot.
    void hit();
    void playImpactSound();
    // The gun's impact burst where the shot is, from the Level's pool of its
    // template; the seconds it plays, 0 when none plays.
    double spawnImpactParticles();
    // Whether the flight shows a trail (particles or a ribbon).
    bool wantsTrail() const;
    void createTrail();
    void createRibbonTrail();
    void destroyParticles();
    void destroyRibbonTrail();

    // What every step of flight reads and writes comes first, together, so
    // that a step touches few cache lines of the record. The place is in the
    // space of `parent`, the node the shot flies under (the camera rig, the
    // scene's root or a gun's parent), whose orientation and scale it
    // inherits, as a child node would.
    Ogre::SceneNode* parent = nullptr;
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 size = Ogre::Vector3::UNIT_SCALE;
    Ogre::Camera* camera = nullptr;
    double elapsed = 0.0;
    double offscreenTime = 0.0;
    double timeToLive = 10.0;
    std::int32_t state = stateFree;
    float offscreenDelay = 0.0f;
    float offscreenLimit = 0.2f;
    float cullRadius = 0.0f;
    std::int32_t changeDirectionType = 0;
    float speed = 1.0f;
    float startSpeed = 0.0f;
    float acceleration = 0.0f;
    float acceleration1StartTime = 0.0f;
    float accelerationDuration = 1.0f;
    float acceleration2 = 0.0f;
    float acceleration2StartTime = 0.0f;
    float accelerationDuration2 = 1.0f;
    float changeDirectionStartTime = 0.0f;
    float changeDirectionDuration = 1.0f;
    float aimSpeed = 0.0f;
    std::uint8_t isVisible = 0;
    std::uint8_t isLaser = 0;
    std::uint8_t isSprite = 0;
    std::uint8_t isSideAsset = 0;
    std::uint8_t isLaunched = 0;
    std::uint8_t isChangingDirection = 0;
    std::uint8_t isDirectionChangeDone = 0;
    std::uint8_t turnSide = 0;
    std::uint8_t isChangeSpeed1 = 0;
    std::uint8_t isChangeSpeed2 = 0;
    std::uint8_t isSpeedChange1Done = 0;
    std::uint8_t isSpeedChange1Started = 0;
    std::uint8_t isSpeedChange2Started = 0;
    Ogre::Vector3 velocity{0.0f, 0.0f, 1.0f};
    Ogre::Vector3 heading = Ogre::Vector3::ZERO;
    Ogre::Vector3 lastPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 headingAtChange = Ogre::Vector3::ZERO;
    Ogre::Vector3 aimPoint = Ogre::Vector3::ZERO;
    Ogre::Vector3 turnedDirection = Ogre::Vector3::ZERO;
    std::array<Ogre::Vector3, 4> corners{};
    double dyingTime = 0.0;
    // Seconds the last impact the record played lasts (a shot that pierces
    // plays one without dying); kept until the pools are reset.
    double impactPlayTime = 0.0;
    Ogre::RibbonTrail* ribbonTrail = nullptr;

    Obb* obb = nullptr;
    // Present only for a record that has shown a trail or a beam; in the
    // scene while its flight shows one, following the record's place.
    Ogre::SceneNode* node = nullptr;
    std::string trailEffectName;
    float changeDirectionAngle = 0.0f;
    float timeInvisibleIndividual = 999.0f;
    float scale = 1.0f;
    std::int32_t index = 0;
    std::int32_t damage = 1;
    std::uint8_t isPlayerBullet = 0;
    std::uint8_t isHoming = 0;
    std::uint8_t isLockedOn = 0;
    entity* lockTarget = nullptr;
    std::uint8_t isDestructible = 0;
    std::uint8_t isInvincible = 0;
    std::int32_t hitPoints = 1;
    std::uint8_t isCancellable = 1;
    float phase = 0.0f;
    std::uint8_t isTrailEmitting = 0;
    Ogre::SceneNode* effectNode = nullptr;
    // The effect node's scale, from the definition's size.
    float effectScale = 1.0f;
    Weapon* weapon = nullptr;
    entity* lastHitTarget = nullptr;
    std::set<entity*> hitTargets;
    Ogre::ManualObject* spriteObject = nullptr;
    Ogre::ParticleSystem* trailParticles = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;

    // The pool the record belongs to, set when the pools are built: only
    // pool records go back to a free stack (a beam record belongs to its
    // gun), and a player gun may fire records of the enemy pool.
    static constexpr std::uint8_t noPool = 0;
    static constexpr std::uint8_t enemyPool = 1;
    static constexpr std::uint8_t playerPool = 2;
    std::uint8_t pool = noPool;
    // The ribbon trail counts in the Level's ribbon-trail count: a record
    // keeps its trail across flights, and only a counted one is given back.
    std::uint8_t isRibbonCounted = 0;

private:
    // "ParticlesBullet", "RibbonTrail" and the others followed by it.
    std::string uniqueText() const;
    // Numbers the records in the order they are made, for those names.
    std::uint32_t serial;
};
