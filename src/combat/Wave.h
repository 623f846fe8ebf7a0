// One enemy group, an entity of kind 1: it owns its members (member 0 is its
// own Enemy or Tank, the rest are its spawner's copies), the Spawner that
// lays the copies out and releases them, a waypoint path, the items dropped
// when the whole group is destroyed, and the start, run and kill phases.
// The waves library holds definitions; a level places instances of them.
// The waypoint-path library keeps its named paths in Waves too: only the
// waypoints, the speed multiplier and the separation are used then.
//
// The entity name is the definition's name; waveName is the wave's own.
#pragma once

#include "app/Curves.h"
#include "world/entity.h"

#include <cstdint>
#include <string>
#include <vector>

class Enemy;
class Level;
class Spawner;
class Waypoint;

class Wave : public entity {
public:
    // Values of the entity status of a wave.
    static constexpr std::uint32_t statusIdle = 0;
    static constexpr std::uint32_t statusStartDelay = 1;
    static constexpr std::uint32_t statusRunning = 2;
    static constexpr std::uint32_t statusFinished = 3;
    static constexpr std::uint32_t statusKilling = 4;
    // Finished or killing while a member was seen idle.
    static constexpr std::uint32_t statusFinishedWithIdleMember = 5;
    // Values of `type`: the class of the members.
    static constexpr std::uint32_t typeEnemy = 0; // "basic"
    static constexpr std::uint32_t typeTank = 1;  // "tank"
    // killedBehavior that hides the members when the kill phase ends.
    static constexpr std::int32_t killedHidesMembers = 1;

    explicit Wave(std::string definitionName);
    // The copy of a wave: settings, waypoints, spawner and member 0. A copy
    // that keeps the name (the toybox's) is not placed in the scene.
    Wave(const Wave& source, bool keepName);
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;
    ~Wave() override;
    // A copy under a new name, placed in the scene.
    entity* clone() const override;

    // Placement goes to the spawner's nodes.
    void setPosition(const Ogre::Vector3& newPosition) override;
    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    void setScale(const Ogre::Vector3& newScale) override;
    void setRotation(const Ogre::Vector3& degrees) override;
    void applyRotation(const Ogre::Vector3& degrees) override;
    void savePosition() override;
    void saveOrientation() override;
    // Frees the waypoints, the members' graphics and the members, the spawner.
    void destroyGraphics() override;
    // Forwarded to the child waves that are not waiting for a trigger,
    // already running (for 1) or finished.
    void setStatus(int newStatus) override;
    void hideAndForward(bool flag) override;
    void setVisible(bool visible) override;
    void setLayer(std::uint8_t layerIndex) override;

    // --- own slots, in order ---
    // The frame's step, already scaled by the enemies' time factor.
    virtual void update(double dt);
    virtual void killAll();
    virtual void killMember(std::uint32_t index, bool noExplosion);
    // Level start and restart.
    virtual void reset();

    void setDefaults();
    void bindToLevel();
    // Level build: member 0 at the spawner's first place.
    void updateMemberTransforms();
    void loadMemberMesh();
    // Whether the level's camera sees member 0, else the spawner node.
    bool isStartReached() const;
    // The end of the start delay.
    void startRunning();

    // Members killed from now on give no score, chain or items / do not
    // explode; with killChildren the child waves follow.
    void suppressScoreRecursive();
    void suppressExplosionRecursive();

    // Path: the loop's closing point, the sampled curve, and both with
    // member 0 reset.
    void closeWaypointLoop();
    void buildPathCurve();
    void rebuildPath();

    // --- a level's instance of a library definition ---
    // Takes the class, look and member values of the definition (the
    // template); nothing without one.
    void copyFromTemplate();
    void createMembers();
    void placeInstance();
    // Member 0 replaced by a new member of the definition's class.
    void replaceMemberWithEnemy();
    void replaceMemberWithTank();
    // Fills the member just appended from member 0.
    void copyMembers();

    // Names and links beyond the entity's
    std::string waveName;
    std::string attachedToEntityName;
    // The object the wave hangs under (a parent wave), and the node it
    // rides on there (that wave's first member's), not owned.
    entity* parentObject = nullptr;
    Ogre::SceneNode* parentNode = nullptr;
    std::int32_t category = 0;
    // Member meshes wait for the level's matching flag.
    std::uint8_t isDeferred = 0;

    // Class, start and kill settings
    std::uint32_t type = typeEnemy;
    float TimeBeforeSpawn = 0.0f;
    std::uint8_t killChildren = 0;
    std::int32_t killedBehavior = killedHidesMembers;
    // At level reset the wave is shown only when this is 0.
    std::uint8_t isHiddenWhenSleeping = 1;
    std::uint8_t isHiddenEnemy = 0;

    // Run state
    double runTime = 0.0;
    double spawnTime = 0.0;
    float killTimeLeft = 1.0f;
    float startDelayLeft = 0.0f;
    std::uint32_t killCount = 0;
    std::uint8_t hasIdleMember = 0;
    // Every member is inactive or paused off screen.
    std::uint8_t allMembersIdle = 0;
    std::uint8_t noScore = 0;
    std::uint8_t explodeOnDeath = 1;
    std::int32_t aliveCount = 0;

    // Owned members; member 0 is the wave's own.
    std::vector<Enemy*> members;

    // Items dropped when the group is destroyed (or at every kill)
    std::string itemSpawned;
    std::int32_t itemNumber = 1;
    std::int32_t itemRadius = 0;
    float itemRandom = 0.5f;
    std::uint8_t isEachCopiesSpawnItem = 0;
    std::uint8_t isDeathCancelBullets = 0;
    std::string cancelBulletItemName;
    // A linked trigger starts the wave, not the camera.
    std::uint8_t startedByTrigger = 0;

    // Look, sounds and effects of the members
    std::string explosionName = "explo_small01";
    std::string startSfxName;
    std::string meshName;
    std::string spriteName;
    std::string startSoundName;
    std::int32_t animationDirectionWays = 4;
    std::uint8_t isBanking = 0;
    float bankSpeed = 0.5f;
    std::uint8_t isSnapToDirection = 0;
    std::uint8_t isDontAnimate = 1;
    std::uint8_t isStartSoundLooping = 0;
    float startSoundVolume = 1.0f;
    std::int32_t explosionNumber = 1;
    float explosionRadius = 0.0f;
    float explosionScale = 1.0f;

    // Owned spawner, path and the curve sampled through the path.
    Spawner* spawner = nullptr;
    std::vector<Waypoint*> waypoints;
    std::vector<CurveSample> curvePoints;
    float WP_GlobalSpeedMult = 1.0f; // speed multiplier of the whole path
    float separation = 0.0f;

    Level* level = nullptr;
};
