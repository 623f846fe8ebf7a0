// One rotating part of a ship or an enemy: a mesh fixed to the owner's mesh
// node that spins about its own Y axis all the time (a propeller, a radar).
// The reader fills the data fields; the owner builds, turns and destroys the
// scene objects and frees the record.
#pragma once

#include "world/FiniteVector.h"

#include <OgreMatrix3.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Entity;
class SceneNode;
} // namespace Ogre

struct rotor {
    std::string meshName;
    // The part turns by rotationSpeed x 500 degrees per second.
    float rotationSpeed = 0.0f;
    Ogre::Vector3 pos = Ogre::Vector3::ZERO;
    float sca = 1.0f;
    // Fixed orientation, Euler degrees applied in the order X, Y, Z.
    Ogre::Vector3 rot = Ogre::Vector3::ZERO;
    Ogre::SceneNode* node = nullptr;
    Ogre::Entity* entity = nullptr;

    // A copy keeps the data fields; its scene objects are built anew.
    rotor() = default;
    rotor(const rotor& source)
        : meshName(source.meshName), rotationSpeed(source.rotationSpeed), pos(source.pos), sca(source.sca),
          rot(source.rot)
    {
    }
    rotor& operator=(const rotor&) = delete;

    // The fixed orientation as a rotation; angles that are not numbers count as 0.
    Ogre::Quaternion fixedOrientation() const
    {
        constexpr float degreesToRadians = 0.017453292f;
        const Ogre::Vector3 degrees = finiteOr(rot, 0.0f);
        Ogre::Matrix3 turn;
        turn.FromEulerAnglesXYZ(Ogre::Radian(degrees.x * degreesToRadians), Ogre::Radian(degrees.y * degreesToRadians),
                                Ogre::Radian(degrees.z * degreesToRadians));
        return Ogre::Quaternion(turn);
    }

    // The turn of one frame, in radians about the part's own Y axis.
    float turnAngle(double dt) const
    {
        constexpr float degreesPerSpeed = 500.0f;
        constexpr float degreesToRadians = 0.017453292f;
        return static_cast<float>(rotationSpeed * degreesPerSpeed * dt) * degreesToRadians;
    }
};
