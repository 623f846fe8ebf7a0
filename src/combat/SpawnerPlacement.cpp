#include "combat/SpawnerPlacement.h"

#include "combat/Enemy.h"
#include "world/FiniteVector.h"
#include "world/PathFollower.h"

#include <OgreSceneNode.h>

#include <cmath>

namespace {

// Curve positions are divided by the x of the main node's world scale; a
// wave placed without a scale has 0 there, which leaves them undivided.
Ogre::Vector3 unscaled(const Enemy& member, const Ogre::Vector3& value)
{
    const float scale = member.sceneNode ? member.sceneNode->_getDerivedScale().x : 1.0f;
    const bool isUsable = std::isfinite(scale) && std::fabs(scale) > 1.0e-6f;
    return finiteOr(isUsable ? value / scale : value, 0.0f);
}

} // namespace

Ogre::Quaternion usableOrientation(const Ogre::Quaternion& orientation)
{
    const float norm = orientation.Norm();
    return std::isfinite(norm) && norm > 1.0e-6f ? orientation : Ogre::Quaternion::IDENTITY;
}

void placeOnPath(Enemy& member, const Ogre::Quaternion& spawnTurn, const Ogre::Vector3& formationPosition,
                 bool keepFormation)
{
    if (!member.pathFollower)
        return;
    if (!keepFormation) {
        turnOnPath(member, spawnTurn, formationPosition);
        return;
    }
    member.savedPosition = Ogre::Vector3::ZERO;
    if (member.sceneNode)
        member.sceneNode->setPosition(Ogre::Vector3::ZERO);
    member.pathFollower->offset = Ogre::Vector3::ZERO;
    if (member.headingNode)
        member.headingNode->setPosition(unscaled(member, formationPosition));
}

void turnOnPath(Enemy& member, const Ogre::Quaternion& turn, const Ogre::Vector3& spawnPosition)
{
    if (!member.pathFollower)
        return;
    const Ogre::Quaternion usable = usableOrientation(turn);
    if (member.rootNode)
        member.rootNode->setOrientation(usable);
    member.pathFollower->offset = finiteOr(usable.Inverse() * spawnPosition, 0.0f);
    if (member.sceneNode)
        member.sceneNode->setPosition(unscaled(member, member.pathFollower->offset));
}
