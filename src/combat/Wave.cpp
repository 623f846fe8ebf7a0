#include "combat/Wave.h"

#include "combat/Enemy.h"
#include "world/Waypoint.h"

Wave::Wave(std::string waveName)
{
    name = std::move(waveName);
    kind = kindWave;
    scale = Ogre::Vector3::UNIT_SCALE;
}

Wave::Wave(const Wave& other) : entity(), WP_GlobalSpeedMult(other.WP_GlobalSpeedMult), separation(other.separation)
{
    kind = kindWave;
    name = other.name;
    screenName = other.screenName;
    parentName = other.parentName;
    thumbnail = other.thumbnail;
    templateObject = other.templateObject ? other.templateObject : const_cast<Wave*>(&other);
    for (const Waypoint* waypoint : other.waypoints)
        waypoints.push_back(new Waypoint(*waypoint));
    // The members are copied here once enemies exist.
}

Wave::~Wave()
{
    for (Enemy* member : members)
        delete member;
    for (Waypoint* waypoint : waypoints)
        delete waypoint;
}

entity* Wave::clone() const
{
    return new Wave(*this);
}

void Wave::destroyGraphics()
{
    for (Waypoint* waypoint : waypoints)
        delete waypoint;
    waypoints.clear();
    // The members' graphics are destroyed and the members freed here once enemies exist.
    children.clear();
}

void Wave::suppressExplosionRecursive()
{
    isExplodeOnDeath = false;
}

void Wave::suppressScoreRecursive()
{
    isScoreSuppressed = true;
}
