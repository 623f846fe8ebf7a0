// A gun, an entity of kind 10: how it fires (salvo timing, shot count and
// fan, shot speeds and steering, sounds, effects, beams, ammunition,
// lock-on) and the state of its firing cycle and its scene objects. Library
// guns are filled by the weapon element reader; every gun in play is a copy
// owned by a ship's or an enemy's weapon set, bound to its owner's node.
#pragma once

#include "combat/EulerAngles.h"
#include "platform/sound/Channel.h"
#include "world/entity.h"

#include <OgreSimpleSpline.h>
#include <OgreVector.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
class ManualObject;
class ParticleSystem;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Game;
class Level;
class ShotLaunches;
class bullet;
class bulletDefinition;

class Weapon : public entity {
public:
    // The states of the firing cycle: the first wait, the random extra
    // wait, the warm-up (where a charged gun holds its charge), shooting,
    // the pause before the cycle loops, and finished.
    static constexpr std::int32_t cycleWaiting = 0;
    static constexpr std::int32_t cycleRandomWait = 1;
    static constexpr std::int32_t cycleWarmUp = 2;
    static constexpr std::int32_t cycleShooting = 3;
    static constexpr std::int32_t cycleLoopPause = 4;
    static constexpr std::int32_t cycleFinished = 5;

    Weapon();
    // A copy of the source's definition fields; its scene objects, beams,
    // channels and timers start afresh.
    Weapon(const Weapon& source);
    Weapon& operator=(const Weapon&) = delete;
    ~Weapon() override;
    entity* clone() const override;

    void setDefaults();
    // Binds the gun to its owner, the level and the owner's node (no node:
    // a gun that never fires); nothing for a toybox copy.
    void init(entity* owner, Level* level, Ogre::SceneNode* parent, Ogre::SceneManager* scene);
    // Per placement: the shot definition, trail, beam texture, effects and
    // firing state made ready.
    void reset();
    // Ends the firing cycle and turns the gun back to its stored orientation.
    void resetFiring();
    // The targets of a lock-on gun's next salvo, one shot each, the last
    // target taken first; the gun never chooses them itself.
    void lockOn(const std::vector<entity*>& targets);
    void setupSpread();
    void restoreOrientation();
    // The yaw (radians, about +Y, forward -Z) at which the gun node would
    // face the target as the collision camera sees it on the gun's plane.
    float yawToward(const Ogre::Vector3& target) const;

    // One fixed step of the firing cycle and its shots. The target is the
    // player ship's world position for an enemy gun; `fire` is the fire
    // input. Shots come from the Level's pool of the gun's side. Nothing
    // happens for a gun without its nodes.
    void update(double& dt, const Ogre::Vector3& target, bool fire);
    // The salvo size: the shot count, times the Game's enemy shot factor for
    // a gun that is not the player's.
    float salvoSize() const;

    void createEffects(const Weapon* definitionGun, bool isDataOnly);
    void createParticles();
    void resetParticles();
    void attachParticles();
    void detachParticles();
    void destroyParticles();
    void loadSounds();
    void fadeOutSound();
    // The effects and sounds of the firing cycle, started and stopped where
    // the cycle and the shot loop decide.
    void startMuzzleEffects();
    void runMuzzleTimers(double dt);
    void playShotSound();
    void startWarmUpEffects();
    void endWarmUpEffects();
    void showChargeReady();
    void hideChargeReady();
    void startLaserSound();
    void stopLaserSound();

    void fireLaser(const Ogre::Vector3& position, const Ogre::Vector3& direction);
    void updateLasers(double dt);
    void stopLasers();
    void createLaserEffects();
    void destroyLaserEffects();

private:
    // What the shots of one run of the shot loop share: the forward of the
    // gun's rotation node and its yaw, where the gun stands in the camera
    // rig, its owner's world scale and position, whether it may fire from
    // where it is, and the turn between repeats.
    struct SalvoBasis {
        Ogre::Vector3 forward = Ogre::Vector3::NEGATIVE_UNIT_Z;
        float yaw = 0.0f;
        float sinYaw = 0.0f;
        float cosYaw = 1.0f;
        Ogre::Vector3 place = Ogre::Vector3::ZERO;
        float ownerScale = 1.0f;
        Ogre::Vector3 ownerPosition = Ogre::Vector3::ZERO;
        bool onScreen = true;
        float repeaterStep = 0.0f;
    };

    void copyDefinitionFields(const Weapon& source);
    void setupTrail();
    void setupShotDefinition();
    void coolDownButton(double dt, bool wasFiring);
    void endCycle();
    // The charge, release and cycle-end rules of a cycle under way.
    void checkRunningCycle(float salvo);
    // The timed states; false when the step ends with them.
    bool advanceCycle(double dt, const Ogre::Vector3& target);
    void enterRandomWait();
    void beginWarmUp();
    void endWarmUp();
    void endShootingTime();
    void startSalvo();
    // Whether the gun's yaw is within a few degrees of the target's.
    bool isAimedWithin(const Ogre::Vector3& target) const;
    void turnToward(const Ogre::Vector3& target);
    void animate(double dt);
    bool isInSafeZone(ShotLaunches& launches) const;
    // The level whose pools the gun's shots come from.
    Level* shotLevel() const;
    void fireShots(float salvo);
    SalvoBasis salvoBasis(ShotLaunches& launches) const;
    void fireRepeats(ShotLaunches& launches, const SalvoBasis& basis);
    // Takes a free record of the gun's pool and launches it from the start
    // position (in the space of "CamNode1") in the direction.
    void spawnBullet(ShotLaunches& launches, const SalvoBasis& basis, const Ogre::Vector3& position,
                     Ogre::Vector3 direction);
    void fillShot(bullet& record, const SalvoBasis& basis, const Ogre::Vector3& direction) const;
    // The point on the ground a shot or beam fired in the direction from the
    // owner's position heads for: along the gun's aim, or along the shot's
    // own direction when the game says so.
    Ogre::Vector3 shotAimPoint(const Ogre::Vector3& direction, const Ogre::Vector3& ownerPosition) const;
    void launchShot(ShotLaunches& launches, const SalvoBasis& basis, bullet& record, const Ogre::Vector3& position,
                    Ogre::Vector3& direction);

public:

    Ogre::SceneNode* parentNode = nullptr;
    Ogre::SceneNode* rotationNode = nullptr;
    EulerAngles aim;
    float restYaw = 0.0f;
    std::int32_t button = 0;
    std::uint8_t isAutoShoot = 0;
    // The editor's grouping of the gun; -1 for none.
    std::int32_t category = -1;
    std::uint8_t isLaser = 0;
    std::uint8_t isPlasma = 0;
    std::uint8_t laserHasAlpha = 0;
    Ogre::ManualObject* laserObject = nullptr;
    Ogre::SceneNode* laserObjectNode = nullptr;
    std::deque<bullet*> beams;
    Ogre::SimpleSpline beamSpline;
    float laserIntensity = 0.0f;
    float laserTextureAspect = 1.0f;
    std::string laserSfxStartName = "LaserStart01";
    std::string laserSfxEndName = "LaserEnd01";
    double laserHitTime = 0.0;
    Ogre::Vector3 laserEndPoint = Ogre::Vector3::ZERO;
    std::string laserTexture;
    // The library gun this one was copied from (a library gun: null).
    Weapon* definition = nullptr;
    std::uint8_t isPlayerWeapon = 0;
    std::uint8_t isFlipped = 0;
    std::uint8_t isAttachedToCamera = 1;
    std::uint8_t isAlwaysCompleteSalve = 0;
    std::uint8_t isButtonCoolDown = 0;
    float pressBuffer = 0.0f;
    float coolDownTimer = 0.0f;
    std::uint8_t isUseAmmo = 0;
    std::int32_t ammo = 9;
    std::int32_t startAmmo = 9;
    std::int32_t maxAmmo = 9;
    std::uint8_t isLockOn = 0;
    std::vector<entity*> lockTargets;
    std::uint8_t isChargedShot = 0;
    std::uint8_t isPlayerUsingAI = 0;
    float waitBeforeShoot = 0.05f;
    float shootDuration = 1.0f;
    float waitBeforeLoop = 0.0f;
    float animClock = 0.0f;
    std::uint8_t isAiLooping = 1;
    std::int32_t cycleState = cycleWaiting;
    double cycleTime = 0.0;
    std::uint8_t isWaitingForTarget = 0;
    std::uint8_t isTargetSeen = 0;
    std::uint8_t blockRotationWhenShooting = 0;
    std::uint8_t canRotate = 0;
    float TimeBetweenSalves = 0.9f;
    float waitBeforeShootRandomMin = 0.0f;
    float waitBeforeShootRandomMax = 1.0f;
    std::uint8_t isWaitBeforeShootRandom = 0;
    std::int32_t NumberOfShoots = 1;
    float TimeBetweenShoots = 0.05f;
    std::uint8_t isWarmUp = 1;
    double HotTimer = 0.0;
    std::string hotTimerSfx;
    std::int32_t damage = 1;
    float timeToLive = 10.0f;
    float offsetXRandom = 0.0f;
    float offsetYRandom = 0.0f;
    // The shot definition's name in the bullet library.
    std::string meshName;
    float bulletScale = 1.0f;
    // The shot's trail: a particle template, or "Bullet_Trail" for a ribbon
    // trail drawn with the material `trailName`.
    std::string sfxType;
    std::string trailMaterial;
    std::string trailName;
    float angleStep = 0.0f;
    float angleAdd = 0.0f;
    std::int32_t angleRandom = 0;
    std::int32_t dirType = 0;
    std::uint8_t isInFront = 0;
    Ogre::Vector2 offsetAdd = Ogre::Vector2::ZERO;
    std::int32_t speedRandom = 0;
    float speedAdd = 0.0f;
    std::uint8_t isChangeSpeed1 = 0;
    std::uint8_t isChangeSpeed2 = 0;
    float acceleration = 10.0f;
    float acceleration1StartTime = 0.0f;
    float accelerationDuration = 0.5f;
    float acceleration2 = 10.0f;
    float accelerationDuration2 = 0.5f;
    float acceleration2StartTime = 0.0f;
    std::int32_t changeDirectionType = 1;
    float changeDirectionStartTime = 0.0f;
    float changeDirectionDuration = 1.0f;
    float changeDirectionAngle = 0.0f;
    float aimSpeed = 2.0f;
    float WeaAnimRotAngle = 0.0f;
    float WeaAnimRotSpeed = 0.0f;
    std::uint8_t WeaAnimRotPing = 1;
    std::uint8_t WeaAnimRotMiddle = 0;
    float speed = 41.0f;
    float startLaserSpeed = 100.0f;
    std::uint8_t isDestructible = 0;
    std::uint8_t isInvincible = 0;
    std::string cancelling;
    std::uint8_t isCancellable = 1;
    float timeInvisibleIndividual = 999.0f;
    std::uint8_t isDestroyBullets = 0;
    std::string destroyedBulletItem;
    std::int32_t bulletHitPoints = 1;
    std::uint8_t isLaserSoundPlaying = 0;
    std::uint8_t isWarmUpSoundPlaying = 0;
    platform::Channel shotChannel;
    std::string shot;
    std::string impactSoundName = "impact.ogg";
    std::string chargeSoundName;
    std::string chargeSoundReadyName;
    float shotSound_Volume = 1.0f;
    float impactSound_Volume = 1.0f;
    float chargeSoundReady_Volume = 1.0f;
    float warmUpSound_Volume = 1.0f;
    Ogre::Vector2 shotSound_pitch{0.0f, 0.1f};
    Ogre::Vector2 impactSound_pitch = Ogre::Vector2::ZERO;
    Ogre::Vector2 chargeSound_pitch = Ogre::Vector2::ZERO;
    Ogre::Vector2 chargeSoundReady_pitch = Ogre::Vector2::ZERO;
    std::string impactSfxName = "Bullet_Die";
    std::string chargeSfxReadyName;
    float aimLimit_angle = 180.0f;
    float repeater_angle = 360.0f;
    std::int32_t repeater_number = 1;
    float shoot_distance = 0.0f;
    float shoot_startDistance = 0.0f;
    std::uint8_t isBurstSymetry = 0;
    std::uint8_t isUseSafeZone = 1;
    std::uint8_t isFiring = 0;
    float currentSpeed = 41.0f;
    std::uint8_t isChargeReady = 0;
    std::uint8_t isChargeReleased = 0;
    // The owner's forward, written by the owner before each update.
    Ogre::Vector3 aimDirection = Ogre::Vector3::NEGATIVE_UNIT_Z;
    const ::bulletDefinition* bulletDefinition = nullptr;
    std::int32_t shotsFired = 1;
    double salvoTimer = 0.0;
    double shotTimer = 0.0;
    double warmUpTime = 0.0;
    float randomWait = 0.0f;
    float startAngle = 0.0f;
    float currentAngle = 0.0f;
    Ogre::Vector3 sideVector = Ogre::Vector3::ZERO;
    float spreadOffsetX = 0.0f;
    float spreadOffsetY = 0.0f;
    float animAngle = 0.0f;
    std::string sfxFireName;
    std::string sfxSmokeName;
    Ogre::ParticleSystem* smokeParticles = nullptr;
    Ogre::ParticleSystem* fireParticles = nullptr;
    Ogre::ParticleSystem* hotTimerParticles = nullptr;
    float smokeTimer = 999.0f;
    float fireTimer = 999.0f;
    Ogre::Camera* collisionCamera = nullptr;
    Ogre::ParticleSystem* chargeReadyParticles = nullptr;
    Ogre::ParticleSystem* laserEndParticles = nullptr;
    Ogre::ParticleSystem* laserImpactParticles = nullptr;
    Ogre::SceneNode* laserEndNode = nullptr;
    Ogre::ParticleSystem* laserStartParticles = nullptr;
    Ogre::SceneNode* laserStartNode = nullptr;
    Level* level = nullptr;
    Game* game = nullptr;
};
