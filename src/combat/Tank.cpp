// The tank as an object: its copies, its turret and cannon nodes and meshes,
// their visibility, render queues and hit flash.
#include "combat/Tank.h"
#include "combat/Wave.h"

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

void Tank::setVisible(bool) {}

void Tank::setLayer(std::uint8_t) {}

void Tank::placeInScene(Ogre::SceneNode*, const Ogre::Quaternion&, Level*, Ogre::SceneManager*) {}

void Tank::destroyMesh() {}

void Tank::flashHit(const Ogre::ColourValue&) {}

void Tank::reset() {}

void Tank::clearFlash() {}

void Tank::loadMesh() {}

void Tank::loadTurretMeshes() {}

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
