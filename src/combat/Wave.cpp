// The wave as an object: its defaults and copies, its binding to the level,
// its member 0 at level build, and the status, visibility, layer and
// suppressions it passes on to its members and child waves.
#include "combat/Wave.h"

#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "world/Waypoint.h"

Wave::Wave(std::string definitionName)
{
    name = std::move(definitionName);
    setDefaults();
}

Wave::Wave(const Wave& source, bool) : Wave(source.name)
{
    sceneManager = source.sceneManager;
    screenName = source.screenName;
    parentName = source.parentName;
    thumbnail = source.thumbnail;
    templateObject = source.templateObject ? source.templateObject : const_cast<Wave*>(&source);
    meshName = source.meshName;
    spriteName = source.spriteName;
    startSoundName = source.startSoundName;
    isStartSoundLooping = source.isStartSoundLooping;
    startSoundVolume = source.startSoundVolume;
    isDeferred = source.isDeferred;
    layerId = source.layerId;
    layer = source.layer;
    priority = source.priority;
    category = source.category;
    isLayered = source.isLayered;
    isCastShadows = source.isCastShadows;
    orientation = source.orientation;
    scale = source.scale;
    itemSpawned = source.itemSpawned;
    itemNumber = source.itemNumber;
    itemRadius = source.itemRadius;
    itemRandom = source.itemRandom;
    isEachCopiesSpawnItem = source.isEachCopiesSpawnItem;
    isDeathCancelBullets = source.isDeathCancelBullets;
    cancelBulletItemName = source.cancelBulletItemName;
    TimeBeforeSpawn = source.TimeBeforeSpawn;
    type = source.type;
    explosionNumber = source.explosionNumber;
    explosionRadius = source.explosionRadius;
    explosionScale = source.explosionScale;
    animationDirectionWays = source.animationDirectionWays;
    isBanking = source.isBanking;
    bankSpeed = source.bankSpeed;
    isSnapToDirection = source.isSnapToDirection;
    isDontAnimate = source.isDontAnimate;
    isHiddenEnemy = source.isHiddenEnemy;
    killedBehavior = source.killedBehavior;
    separation = source.separation;
    killChildren = source.killChildren;
    isHiddenWhenSleeping = source.isHiddenWhenSleeping;
    WP_GlobalSpeedMult = source.WP_GlobalSpeedMult;
    for (const Waypoint* waypoint : source.waypoints)
        waypoints.push_back(new Waypoint(*waypoint));
    aliveCount = 1;
}

// What destroyGraphics left goes with the wave.
Wave::~Wave()
{
    for (Enemy* member : members)
        delete member;
    for (Waypoint* waypoint : waypoints)
        delete waypoint;
    delete spawner;
}

entity* Wave::clone() const
{
    return new Wave(*this, false);
}

void Wave::setDefaults()
{
    // The fields' own initialisers hold the wave's defaults.
    kind = kindWave;
    scale = Ogre::Vector3::UNIT_SCALE;
}

void Wave::destroyGraphics()
{
    for (Waypoint* waypoint : waypoints)
        delete waypoint;
    waypoints.clear();
    children.clear();
}

void Wave::bindToLevel() {}

void Wave::updateMemberTransforms() {}

void Wave::loadMemberMesh() {}

bool Wave::isStartReached() const
{
    return false;
}

void Wave::setStatus(int) {}

void Wave::hideAndForward(bool) {}

void Wave::setVisible(bool) {}

void Wave::setLayer(std::uint8_t) {}

void Wave::suppressScoreRecursive()
{
    noScore = 1;
}

void Wave::suppressExplosionRecursive()
{
    explodeOnDeath = 0;
}
