// One point of a path that cameras and enemies follow: its position and
// rotation, the speed to reach there, the wait on arrival, how the mover turns
// on the way, a sound, animation and weapon-set changes, homing settings and,
// on camera paths, a field-of-view multiplier. A waypoint has no scene node.
#pragma once

#include "world/entity.h"

#include <OgreVector.h>

#include <cstdint>
#include <string>

// Values of Waypoint::rotType.
enum waypointRotType : std::uint32_t {
    rotTypeFaceTravel = 0, // face the direction of travel
    rotTypeFixed = 1,      // turn to the waypoint's rotation
    rotTypeAim = 3,        // aim at a target point
};

class Waypoint : public entity {
public:
    explicit Waypoint(std::string waypointName);
    Waypoint(const Waypoint& other);
    Waypoint& operator=(const Waypoint&) = delete;

    entity* clone() const override;
    // Kind, position, camera-shot orientation, tension, speed, turning,
    // weapon-set fields, loop flag, rotation and the two names.
    void setDefaults();

    float tension = 0.5f;     // curve tension at this point
    float curveWeight = 1.0f; // 1 - (cosine of the turn here)^50, from buildCurvePoints
    std::uint32_t rotType = rotTypeFixed;
    // Camera paths: the first waypoint of a level's path orients the camera head.
    Ogre::Vector3 camShotOrientation{180.0f, 0.0f, 0.0f};
    float camShotFovMult = 1.0f; // field-of-view multiplier reached here
    std::uint8_t isCameraWaypoint = 0;
    float speed = 1.0f;        // speed to reach at this point
    float waitDuration = 0.0f; // seconds to stand still on arrival
    float rotSpeed = 0.3f;     // turning rate while aiming
    float rotAngleLimit = 360.0f;
    std::uint32_t isChangeWeaponSet = 0;
    std::uint32_t weaponSetShoot = 0;
    std::uint8_t isChangeAnimation = 0;
    std::uint8_t isPlayPreviousAnimationAfter = 0;
    std::string animationName;
    std::string soundName; // played when the waypoint becomes the current one
    float soundVolume = 0.7f;
    Ogre::Vector2 soundPitch{0.0f, 0.1f}; // base and spread for randomizePitch
    double curveParam = 0.0;    // curve parameter (0 to 1) here, from buildCurvePoints
    double curveDistance = 0.0; // arc length from the path's start, from buildCurvePoints
    // On the first waypoint of a list: the path is closed.
    std::uint8_t isLoop = 0;
    std::uint8_t isHoming = 0;
    float homingStrength = 2.0f;
    float homingSpeed = 2.0f;
    Ogre::Vector2 homingXY{1.0f, 1.0f};
    Ogre::Vector2 homingTransDurations{1.0f, 1.0f};
};
