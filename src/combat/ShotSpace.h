// Where a shot node is in the world, worked out from the world transform of
// the node it hangs under. The parent's transform is taken from Ogre once for
// many shots, in flight or at launch; a shot node's own world transform is
// then worked out as Ogre derives it (up to float rounding, ShotMath.h),
// without asking Ogre to derive it again after every change to the node.
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

// The parent's space; a node without one is in the world. The parent is
// then told that its children all changed: it brings them up to date in one
// pass at the next render, as a moving camera rig does, instead of each shot
// node changed under it queueing itself in the parent's sorted set of
// children to update, one allocation each. Not the scene's root: its
// children are the whole scene.
ParentSpace takeParentSpace(Ogre::Node* parent);

// A node's world orientation, scale and position.
struct NodeWorld {
    Ogre::Quaternion orientation;
    Ogre::Vector3 scale;
    Ogre::Vector3 position;

    Ogre::Affine3 transform() const { return transformOf(orientation, scale, position); }
};

// The node's world transform, as Ogre derives it from its own values and its
// parent's space.
NodeWorld worldOf(const Ogre::Node& node, const ParentSpace& space);
