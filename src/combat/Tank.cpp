// The tank as an object: its copies, reset, the visibility, render queues
// and hit flash of its turret and cannon.
#include "combat/Tank.h"

#include "combat/Wave.h"
#include "world/RenderQueueGroups.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <initializer_list>

namespace {

// The custom shader parameter that carries the hit flash colour.
constexpr std::size_t flashParameter = 1;

void setFlash(Ogre::MovableObject* object, const Ogre::ColourValue& colour)
{
    auto* shown = dynamic_cast<Ogre::Entity*>(object);
    if (shown && shown->getNumSubEntities() > 0)
        shown->getSubEntity(0)->setCustomParameter(flashParameter,
                                                   Ogre::Vector4(colour.r, colour.g, colour.b, colour.a));
}

} // namespace

Tank::Tank()
{
    thumbnail = "icon_tank.tga";
    isTank = 1;
    isLayered = 0;
}

Tank::Tank(const Tank& source) : Enemy(source)
{
    turretAngles = source.turretAngles;
    cannonAngles = source.cannonAngles;
    hasCannon = source.hasCannon;
    turOffset = source.turOffset;
    canOffset = source.canOffset;
    canHoleOffset = source.canHoleOffset;
    canLimitS = source.canLimitS;
    canLimitE = source.canLimitE;
    turretLimits = source.turretLimits;
    turSpeed = source.turSpeed;
    canSpeed = source.canSpeed;
}

Tank::~Tank() = default;

entity* Tank::clone() const
{
    return new Tank(*this);
}

void Tank::setVisible(bool visible)
{
    Enemy::setVisible(visible);
    // Whether a hidden tank shows is the enemy's rule: the turret follows the hull.
    const bool isShown = movableObject ? movableObject->getVisible() : visible;
    if (turretMeshNode)
        turretMeshNode->setVisible(isShown, true);
    if (cannonMeshNode)
        cannonMeshNode->setVisible(isShown && hasCannon, true);
}

void Tank::setLayer(std::uint8_t layerIndex)
{
    Enemy::setLayer(layerIndex);
    if (isLayered) {
        const std::uint8_t group = renderQueueGroupOf(layer);
        if (turretEntity)
            turretEntity->setRenderQueueGroupAndPriority(group, static_cast<std::uint16_t>(priority + 1));
        if (cannonEntity)
            cannonEntity->setRenderQueueGroupAndPriority(group, static_cast<std::uint16_t>(priority + 2));
        return;
    }
    for (Ogre::Entity* part : {turretEntity, cannonEntity})
        if (part)
            part->setRenderQueueGroup(unlayeredRenderQueueGroup);
}

void Tank::flashHit(const Ogre::ColourValue& colour)
{
    for (Ogre::MovableObject* part : {movableObject, static_cast<Ogre::MovableObject*>(turretEntity),
                                      static_cast<Ogre::MovableObject*>(cannonEntity)})
        setFlash(part, colour);
}

void Tank::clearFlash()
{
    if (movableObject)
        flashHit(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
}

void Tank::reset()
{
    Enemy::reset();
    for (Ogre::SceneNode* node : {turretNode, cannonNode})
        if (node)
            node->resetOrientation();
    for (EulerAngles* angles : {&turretAngles, &cannonAngles}) {
        *angles = EulerAngles();
        angles->dirty = 1;
    }
    for (Ogre::SceneNode* node : {turretMeshNode, cannonMeshNode}) {
        if (!node)
            continue;
        node->setOrientation(orientation);
        const Ogre::Vector3 current = node->getScale();
        node->setScale(current.x, static_cast<float>(symmetry), current.z);
    }
}

entity* newEnemyByType(int type, const std::string& name)
{
    entity* member = nullptr;
    if (type == static_cast<int>(Wave::typeEnemy))
        member = new Enemy();
    else if (type == static_cast<int>(Wave::typeTank))
        member = new Tank();
    if (member)
        member->name = name;
    return member;
}
