// A gun's aim or a turret's turn kept as three angles, with the orientation
// they make cached until one of them changes.
#pragma once

#include <OgreQuaternion.h>

#include <cstdint>

class EulerAngles {
public:
    // The cached orientation, made again first when it is out of date:
    // the turn about +Y by yaw, then about +X by pitch, then about +Z by roll.
    Ogre::Quaternion getOrientation();
    // Brings each angle into [-pi, pi]; marks the orientation out of date
    // when any angle changed.
    void wrap();

    // Radians about +Y, +X and +Z.
    float yaw = 0.0f;
    float pitch = 0.0f;
    float roll = 0.0f;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    // Set by whoever changes an angle.
    std::uint8_t dirty = 0;
};
