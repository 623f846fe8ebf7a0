// Moves one scene node along the smooth curve through a list of waypoints:
// eases the speed between the waypoints' speeds, waits where told, turns the
// node (facing the way, to a set rotation or aiming at a point), loops or
// stops at the end, and keeps the state its owner reads (current waypoint,
// direction, field-of-view multiplier, homing). The camera rig and every
// path-following enemy own one.
#pragma once

#include "app/Curves.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Ogre {
class Camera;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Level;
class Wave;
class Waypoint;
class entity;

class PathFollower {
public:
    PathFollower() = default;

    // Binds the follower and starts it. The scene manager and the level are
    // kept for the owner; the follower itself does not use them.
    void init(Ogre::SceneManager* newSceneManager, Level* newLevel, Ogre::Camera* newCamera,
              std::vector<Waypoint*>* newWaypoints, Ogre::SceneNode* newReferenceNode,
              Ogre::SceneNode* newNode);
    void reset();
    // Back to the first waypoint: speeds, field of view and orientation from it.
    void start();
    // One frame: advance by dt seconds along the table's curve, arrive at
    // waypoints, ease the speed and turn the node. aimPoint is the target of
    // aiming waypoints; when frozen the follower neither advances nor
    // arrives, and turns fully to its aim.
    void update(double dt, const Ogre::Vector3& aimPoint, const std::vector<CurveSample>& table,
                bool frozen);
    // Curve parameter at an arc length along the table.
    static double paramFromDistance(const std::vector<CurveSample>& table, double d);
    // Sound, animation and homing changes of the current waypoint.
    void onWaypointReached();

    // Bindings.
    Ogre::Vector3 offset = Ogre::Vector3::ZERO; // added to every curve position
    Ogre::SceneNode* referenceNode = nullptr;    // anchors aiming and referenceOffset
    Ogre::SceneNode* node = nullptr;             // the node moved
    entity* owner = nullptr;                     // for animation changes
    Wave* wave = nullptr;                        // the owner's wave, for an enemy
    Ogre::Vector3 position = Ogre::Vector3::ZERO; // the owner's start position at its reset
    std::vector<Waypoint*>* waypoints = nullptr; // not owned
    Ogre::Camera* camera = nullptr;              // used for aiming
    entity* homingSource = nullptr;              // may be null
    Ogre::SceneManager* sceneManager = nullptr;
    Level* level = nullptr;

    // x of the moved node's world scale at start; curve positions are divided by it.
    float nodeScale = 1.0f;

    // Motion.
    double distance = 0.0; // arc length travelled
    double curveParamNow = 0.0;
    Ogre::Vector3 curvePos = Ogre::Vector3::ZERO; // last curve position
    Ogre::Vector3 step = Ogre::Vector3::ZERO;     // last change of curvePos
    Ogre::Vector3 direction = Ogre::Vector3::ZERO; // unit vector of travel
    float speedMult = 1.0f;

    // Segment.
    std::int32_t currentIndex = 0;
    std::int32_t nextIndex = 0;
    double segmentStartDistance = 0.0;
    double rotStartDistance = 0.0;
    float segmentLength = 1.0f;
    float speedChangeDistance = 1.0f;
    double waitLeft = 0.0;
    double resumeProgress = 0.0;
    // Values of easingState.
    static constexpr std::int32_t easingToTargetSpeed = 0;
    static constexpr std::int32_t easingResuming = 1; // after a wait
    std::int32_t easingState = easingToTargetSpeed;
    std::uint8_t isApproaching = 0;
    std::uint8_t isEnded = 0;
    std::uint32_t rotTypeNow = 0; // rotType of the waypoint headed for

    // Speed.
    float currentSpeed = 1.0f;
    float startSpeed = 1.0f;
    float targetSpeed = 0.0f;
    float rotRate = 0.0f;

    // Orientation.
    Ogre::Quaternion segmentStartOrientation = Ogre::Quaternion::IDENTITY;
    Ogre::Quaternion targetOrientation = Ogre::Quaternion::IDENTITY;

    // Field of view.
    float fovMultStart = 1.0f;
    float fovMultTarget = 1.0f;
    float fovMult = 1.0f;

    // Homing, read by the enemy.
    std::uint8_t isHomingActive = 0;
    Ogre::Vector3 homingStartPos = Ogre::Vector3::ZERO;
    float homingSpeedNow = 1.0f;
    float homingSpeedTarget = 1.0f;
    float homingStrengthNow = 1.0f;
    float homingStrengthTarget = 1.0f;
    Ogre::Vector2 homingFactor{1.0f, 1.0f};
    Ogre::Vector2 homingXYNow{1.0f, 1.0f};
    Ogre::Vector2 homingXYTarget{1.0f, 1.0f};
    Ogre::Vector2 homingTransDurations{1.0f, 1.0f};
    double homingBlend = 0.0;

    // Other.
    Ogre::Vector3 referenceOffset = Ogre::Vector3::ZERO;
    std::uint8_t startedEmpty = 0;

private:
    std::size_t waypointCount() const;
    Waypoint& waypointAt(std::int32_t index) const;
    void advance(double dt, const std::vector<CurveSample>& table, bool frozen);
    void arriveAtNext();
    void approachStop();
    void easeSpeed(double dt);
    // The orientation and field of view of this frame.
    void turn(double dt, const Ogre::Vector3& aimPoint, const Ogre::Vector3& referenceWorld, bool frozen);
    Ogre::Quaternion facingOrientation(double dt, bool frozen) const;
    Ogre::Quaternion aimOrientation(double dt, const Ogre::Vector3& aimPoint, const Ogre::Vector3& referenceWorld,
                                    bool frozen) const;
    // Homing from `first`, its target values from `second`.
    void startHoming(const Waypoint& first, const Waypoint& second);
};
