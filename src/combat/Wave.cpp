// The wave as an object: its defaults and copies, its binding to the level,
// its member 0 at level build, and the status, visibility, layer and
// suppressions it passes on to its members and child waves.
#include "combat/Wave.h"

#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "combat/SpawnerPlacement.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/RenderQueueGroups.h"
#include "world/Waypoint.h"

#include <OgreFrustum.h>
#include <OgreMovableObject.h>
#include <OgreSceneNode.h>

namespace {

// The name of every wave copy; a copy placed in the level gets a number after it.
const char* const copyName = "Wave";
// Query flags of member 0's movable object while shown and while hidden.
constexpr std::uint32_t shownQueryFlags = 2;
constexpr std::uint32_t hiddenQueryFlags = 0;

Wave* childWave(entity* child)
{
    return dynamic_cast<Wave*>(child);
}

// The copy's own spawner and member 0, placed in the scene unless the copy
// keeps the name (a toybox copy).
void copySpawnerAndMember(Wave& copy, const Wave& source, bool keepName)
{
    Game& game = *Game::getSingletonPtr();
    if (source.spawner) {
        copy.spawner = new Spawner(*source.spawner);
        copy.spawner->members = &copy.members;
        if (!keepName)
            copy.spawner->createNodes(&copy.members, copy.level, game.player);
    }
    if (source.members.empty())
        return;
    const Enemy& sourceMember = *source.members.front();
    auto* member = static_cast<Enemy*>(sourceMember.clone());
    copy.members.push_back(member);
    member->wave = &copy;
    member->templateObject = const_cast<Enemy*>(&sourceMember);
    member->priority = copy.priority;
    member->waveName = copy.waveName;
    member->waypoints = &copy.waypoints;
    member->members = &copy.members;
    if (keepName)
        return;
    Ogre::SceneNode* parent = copy.spawner ? copy.spawner->spawnerNode : nullptr;
    member->placeInScene(parent, sourceMember.orientation, copy.level, copy.sceneManager);
    if (!copy.waypoints.empty())
        copy.rebuildPath();
}

} // namespace

Wave::Wave(std::string definitionName)
{
    name = std::move(definitionName);
    setDefaults();
}

Wave::Wave(const Wave& source, bool keepName) : Wave(source.name)
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
    Game& game = *Game::getSingletonPtr();
    level = game.level;
    waveName = copyName;
    if (!keepName && level)
        waveName += std::to_string(level->nextWaveNumber());
    copySpawnerAndMember(*this, source, keepName);
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
    for (Enemy* member : members) {
        member->destroyGraphics();
        delete member;
    }
    members.clear();
    if (spawner)
        spawner->destroyNodes();
    delete spawner;
    spawner = nullptr;
    children.clear();
}

void Wave::bindToLevel()
{
    Game& game = *Game::getSingletonPtr();
    sceneManager = game.sceneManager;
    level = game.level;
    isLayered = spriteName.empty() ? 0 : 1;
    if (members.empty())
        return;
    members.front()->parentNode = spawner ? spawner->spawnerNode : nullptr;
    members.front()->isLayered = isLayered;
}

void Wave::updateMemberTransforms()
{
    if (members.empty() || !spawner)
        return;
    Enemy& member = *members.front();
    spawner->nextIndex = 1;
    const SpawnTransform spawn = spawner->nextSpawnTransform();
    if (member.sceneNode)
        member.sceneNode->setPosition(spawn.position);
    member.position = member.savedPosition = member.placedPosition = spawn.position;
    placeOnPath(member, spawn.orientation, spawn.position, member.isKeepFormation != 0);
    member.updateCollisionBoxes();
}

void Wave::loadMemberMesh()
{
    const bool isWaitingForLevel = isDeferred && !(level && level->isDeferredLoading);
    if (!members.empty() && !isDisabled && !isWaitingForLevel)
        members.front()->loadMesh();
}

bool Wave::isStartReached() const
{
    const GameCamera* camera = level ? level->camera : nullptr;
    if (!camera || !camera->wideFrustum)
        return false;
    const Ogre::MovableObject* shown = members.empty() ? nullptr : members.front()->movableObject;
    if (shown && shown->isAttached() && camera->wideFrustum->isVisible(shown->getWorldBoundingBox(true)))
        return true;
    return spawner && spawner->spawnerNode
        && camera->wideFrustum->isVisible(spawner->spawnerNode->_getDerivedPosition());
}

void Wave::setStatus(int newStatus)
{
    if (isDisabled)
        return;
    if (newStatus == statusStartDelay || newStatus == statusRunning)
        isStarted = 1;
    status = static_cast<std::uint32_t>(newStatus);
    for (auto& child : children) {
        if (!child.second)
            continue;
        if (const Wave* wave = childWave(child.second)) {
            const bool isWaitingForTrigger = wave->startedByTrigger && !wave->isStarted;
            const bool isAlreadyRunning = newStatus == statusStartDelay && wave->status == statusRunning;
            if (isWaitingForTrigger || isAlreadyRunning || wave->status == statusFinished)
                continue;
        }
        child.second->setStatus(newStatus);
    }
}

void Wave::hideAndForward(bool flag)
{
    if (isDisabled)
        return;
    for (Enemy* member : members) {
        member->setVisible(flag);
        member->setEffectsActive(flag);
    }
    for (auto& child : children)
        if (child.second)
            child.second->hideAndForward(flag);
}

void Wave::setVisible(bool visible)
{
    const levelLayer* ownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    if ((ownLayer && !ownLayer->isVisible) || isDisabled)
        visible = false;
    for (Enemy* member : members)
        member->setVisible(visible);
    if (members.empty())
        return;
    Enemy& first = *members.front();
    if (first.movableObject)
        first.movableObject->setQueryFlags(visible ? shownQueryFlags : hiddenQueryFlags);
    if (!visible) {
        first.setEffectsActive(false);
        first.clearSfxParticles();
    }
}

void Wave::setLayer(std::uint8_t layerIndex)
{
    layer = storedLayerOf(layerIndex);
    if (members.empty())
        return;
    members.front()->setLayer(layerIndex);
    priority = members.front()->priority;
}

void Wave::suppressScoreRecursive()
{
    noScore = 1;
    if (killChildren)
        for (auto& child : children)
            if (Wave* wave = childWave(child.second))
                wave->suppressScoreRecursive();
}

void Wave::suppressExplosionRecursive()
{
    explodeOnDeath = 0;
    if (killChildren)
        for (auto& child : children)
            if (Wave* wave = childWave(child.second))
                wave->suppressExplosionRecursive();
}
