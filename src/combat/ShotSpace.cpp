// A shot's world transform from its parent's.
#include "combat/ShotSpace.h"

#include "combat/ShotMath.h"

#include <OgreNode.h>

using namespace shotMath;

namespace {

// The vector scaled along each axis by the scale's component.
Ogre::Vector3 stretched(const Ogre::Vector3& scale, const Ogre::Vector3& v)
{
    return {scale.x * v.x, scale.y * v.y, scale.z * v.z};
}

} // namespace

ParentSpace takeParentSpace(const Ogre::Node* parent)
{
    ParentSpace space;
    space.parent = parent;
    if (!parent)
        return space;
    space.orientation = parent->_getDerivedOrientation();
    space.scale = parent->_getDerivedScale();
    space.position = parent->_getDerivedPosition();
    space.transform = transformOf(space.orientation, space.scale, space.position);
    return space;
}

Ogre::Vector3 ParentSpace::localPoint(const Ogre::Vector3& world) const
{
    const Ogre::Vector3 turned = rotated(conjugate(orientation), difference(world, position));
    return {turned.x / scale.x, turned.y / scale.y, turned.z / scale.z};
}

Ogre::Affine3 transformOf(const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                          const Ogre::Vector3& position)
{
    const Ogre::Vector3 alongX = scaled(turnedX(orientation), scale.x);
    const Ogre::Vector3 alongY = scaled(turnedY(orientation), scale.y);
    const Ogre::Vector3 alongZ = scaled(turnedZ(orientation), scale.z);
    return {alongX.x, alongY.x, alongZ.x, position.x, alongX.y, alongY.y, alongZ.y, position.y,
            alongX.z, alongY.z, alongZ.z, position.z};
}

NodeWorld worldOf(const Ogre::Vector3& position, const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                  const ParentSpace& space)
{
    NodeWorld world;
    world.orientation = product(space.orientation, orientation);
    world.scale = stretched(space.scale, scale);
    world.position = sum(rotatedAsOgre(space.orientation, stretched(space.scale, position)), space.position);
    return world;
}
