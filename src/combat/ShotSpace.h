// Where a shot is in the world, worked out from the world transform of the
// node it flies under. The parent's transform is taken from Ogre once for
// many shots, in flight or at launch; a shot's own world transform is then
// worked out as Ogre derives a child node's (to the bit, ShotMath.h), from
// the place the shot record keeps.
#pragma once

#include <OgreMatrix4.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

namespace Ogre {
class Node;
} // namespace Ogre

// The full transform of a node with the world orientation, scale and
// position, as Ogre's makeTransform builds it: the turned axes scaled, then
// the position. Ogre turns the axes with the same products, to the bit.
Ogre::Affine3 transformOf(const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                          const Ogre::Vector3& position);

// The world transform of a shot node's parent, as Ogre derives it.
struct ParentSpace {
    const Ogre::Node* parent = nullptr;
    Ogre::Affine3 transform = Ogre::Affine3::IDENTITY;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Vector3 position = Ogre::Vector3::ZERO;

    // Where a point given in the parent's space is in the world.
    Ogre::Vector3 worldPoint(const Ogre::Vector3& local) const { return transform * local; }
    // Where a world point is in the parent's space, as Ogre's
    // convertWorldToLocalPosition gives it.
    Ogre::Vector3 localPoint(const Ogre::Vector3& world) const;
};

// The parent's space; a node without one is in the world.
ParentSpace takeParentSpace(const Ogre::Node* parent);

// A node's world orientation, scale and position.
struct NodeWorld {
    Ogre::Quaternion orientation;
    Ogre::Vector3 scale;
    Ogre::Vector3 position;

    Ogre::Affine3 transform() const { return transformOf(orientation, scale, position); }
};

// The world transform of a child of the parent with these values of its own
// that inherits the parent's orientation and scale, as Ogre derives it.
NodeWorld worldOf(const Ogre::Vector3& position, const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                  const ParentSpace& space);
