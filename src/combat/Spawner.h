// A wave's placement and formation: the position, scale and orientation of
// the wave's scene nodes, the layout in which copies of the wave's member 0
// are laid out at level build, the orientation rule of each copy, and the
// timing with which they are released while the wave runs. Owned by its
// wave; the copies live in the wave's member list.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <vector>

namespace Ogre {
class SceneManager;
class SceneNode;
} // namespace Ogre

class Enemy;
class Level;
class Player;

// Values of Spawner::spawnType: how the copies are laid out.
enum spawnTypeValue : std::uint32_t {
    spawnPoint = 0,     // all at the spawner's origin
    spawnArc = 1,       // on an arc from startAngle to endAngle
    spawnRandomBox = 2, // anywhere in the radius box
    spawnGrid = 3,      // planeNbs columns by rows, last row first
    spawnTriangle = 4,  // planeNbs.y rows of 1, 3, 5 ... copies
};

// Values of Spawner::OrientationType: how each copy is turned.
enum orientationTypeValue : std::uint32_t {
    orientNone = 0,
    orientOutward = 1,  // away from the layout's centre
    orientAtTarget = 2, // toward the player
    orientRandom = 3,
    orientInward = 4,   // toward the layout's centre
};

// Position (local to the spawner node) and orientation of one spawn.
struct SpawnTransform {
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
};

class Spawner {
public:
    // The most members a wave can have, its own included.
    static constexpr std::uint32_t maxSpawns = 499;

    Spawner() = default;
    // Every setting and reference; the count starts again and there are no nodes.
    Spawner(const Spawner& source);
    Spawner& operator=(const Spawner&) = delete;

    // Stores the references and makes the two nodes, named uniquely.
    void createNodes(std::vector<Enemy*>* newMembers, Level* newLevel, Player* newTarget);
    void destroyNodes();
    // The counters and the member count the layout holds.
    void resetCount();
    void reset();
    // Flying waves ride with the camera; ground waves stay in the world.
    void attachToCamera();
    void detachFromCamera();
    void setPosition(const Ogre::Vector3& newPosition);
    void setWorldPosition(const Ogre::Vector3& worldPosition);

    // --- layout and release ---
    // Level build: the copies of member 0 in their formation, hidden.
    void buildEnemies();
    // While the wave runs: one copy per interval.
    void update(double dt);
    // The place of spawn nextIndex by spawnType; advances the layout's counters.
    SpawnTransform nextSpawnTransform();
    Ogre::Quaternion orientSpawn(const Ogre::Vector3& spawnPosition, const Ogre::Vector3& centre);
    // Turns member `index` toward the target (a member that follows a path).
    void aimAtTarget(std::uint32_t index);

    // Release and layout counters
    double spawnTimer = 0.0;
    std::uint32_t nextIndex = 1; // in the wave's member list
    std::uint32_t column = 0;
    std::int32_t row = 0;
    Ogre::Vector2 rowCursor = Ogre::Vector2::ZERO;
    float rowDepth = 0.0f;

    // Placement of the nodes
    Ogre::Vector3 position = Ogre::Vector3::ZERO; // of the layer node
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Quaternion orientation{0.0f, 0.0f, -1.0f, 0.0f};
    Ogre::Vector3 orientationDegrees = Ogre::Vector3::ZERO;

    // Layout and timing
    std::uint32_t OrientationType = orientNone;
    float timeBetweenSpawns = 0.2f;
    std::uint32_t numberOfSpawns = 1; // the wave's own member included
    std::uint32_t spawnType = spawnPoint;
    Ogre::Vector2 radius{60.0f, 60.0f};
    Ogre::Vector2 planeNbs{1.0f, 1.0f}; // grid columns (x) and rows (y); triangle rows (y)
    float startAngle = 0.0f;  // degrees
    float endAngle = 360.0f;  // degrees
    float offset = 0.0f;      // arc shrink per spawn, percent of the radius

    // The layer node carries the position, under the scene root or
    // "CamNode1"; the spawner node, its child, the scale and orientation.
    Ogre::SceneNode* spawnerNode = nullptr;
    Ogre::SceneNode* spawnerLayerNode = nullptr;
    std::uint8_t attachedToCamera = 0;
    // The node of the wave member the spawner rides on, not owned.
    Ogre::SceneNode* parentNode = nullptr;

    // References, not owned
    std::vector<Enemy*>* members = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Level* level = nullptr;
    Player* target = nullptr;
};
