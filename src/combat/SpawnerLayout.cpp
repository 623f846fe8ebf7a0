// The formation: where each copy of member 0 stands and how it is turned,
// the copies built at level build, and their release one per interval.
#include "combat/Spawner.h"

#include "app/CameraProjection.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/SpawnerPlacement.h"
#include "combat/Wave.h"
#include "data/AttributeValues.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/GameCamera.h"

#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>

namespace {

// Degrees to radians with the arc's own sign: the arc runs clockwise seen from above.
constexpr float arcRadiansPerDegree = -0.017453294f;
// The arc starts a quarter turn from its angles' zero.
constexpr float arcQuarterTurnDegrees = 90.0f;
// offset is a percentage of the radius.
constexpr float percent = 0.01f;
// rand() to an angle in radians: 2 pi / 32767.
constexpr float randomRadiansPerStep = 0.00019175345f;
// The product of two half turns about the vertical axis: no turn at all.
const Ogre::Quaternion unturned(-1.0f, 0.0f, 0.0f, 0.0f);

// rand() mod the truncated extent, less half the extent; no offset for an
// extent below one unit, where the modulo would divide by zero.
float randomOffset(float extent)
{
    const std::int32_t whole = truncatedInto<std::int32_t>(extent, 0);
    if (whole < 1)
        return 0.0f;
    return static_cast<float>(platform::rand() % whole) - extent / 2.0f;
}

} // namespace

SpawnTransform Spawner::nextSpawnTransform()
{
    const float k = static_cast<float>(nextIndex);
    const float n = static_cast<float>(std::max(numberOfSpawns, 1u));
    Ogre::Vector3 spawn = Ogre::Vector3::ZERO;
    Ogre::Vector3 centre = Ogre::Vector3::ZERO;
    if (spawnType == spawnArc) {
        const float a = (startAngle + arcQuarterTurnDegrees) * arcRadiansPerDegree;
        const float b = (endAngle + arcQuarterTurnDegrees) * arcRadiansPerDegree;
        const float angle = a + (b - a) * k / n;
        const float shrink = 1.0f - k * offset * percent;
        spawn.x = shrink * (radius.x / 2.0f) * std::cos(angle);
        spawn.z = shrink * (radius.y / 2.0f) * std::sin(angle);
    } else if (spawnType == spawnRandomBox) {
        spawn.x = randomOffset(radius.x);
        spawn.z = randomOffset(radius.y);
        centre = spawnerNode ? spawnerNode->_getDerivedPosition() : position;
    } else if (spawnType == spawnGrid) {
        const Ogre::Vector2 cell(radius.x / planeNbs.x, radius.y / planeNbs.y);
        spawn.x = static_cast<float>(column) * cell.x + cell.x / 2.0f - radius.x / 2.0f;
        spawn.z = static_cast<float>(row) * cell.y + cell.y / 2.0f - radius.y / 2.0f;
        if (static_cast<float>(++column) > planeNbs.x - 1.0f) {
            column = 0;
            --row;
        }
    } else if (spawnType == spawnTriangle) {
        const float rows = planeNbs.y;
        const float pitch = radius.y / rows;
        const float width = radius.x / (2.0f * rows - 1.0f);
        rowDepth = static_cast<float>(row) * pitch;
        spawn.z = rowDepth + pitch / 2.0f - radius.y / 2.0f;
        spawn.x = rowCursor.x;
        rowCursor.x += width;
        if (static_cast<std::int32_t>(++column) > 2 * row) {
            column = 0;
            ++row;
            rowCursor.x = -static_cast<float>(row) * width;
        }
    }
    return {finiteOr(spawn, 0.0f), orientSpawn(spawn, centre)};
}

Ogre::Quaternion Spawner::orientSpawn(const Ogre::Vector3& spawnPosition, const Ogre::Vector3& centre)
{
    Ogre::Vector3 direction;
    switch (OrientationType) {
    case orientNone:
        return unturned;
    case orientOutward:
        if (spawnType == spawnPoint)
            return unturned;
        direction = spawnPosition - centre;
        break;
    case orientAtTarget: {
        Ogre::Vector3 targetPosition = Ogre::Vector3::ZERO;
        if (target && target->sceneNode && spawnerNode)
            targetPosition = spawnerNode->convertWorldToLocalPosition(target->sceneNode->_getDerivedPosition());
        direction = finiteOr(spawnPosition - targetPosition, 0.0f);
        if (direction.length() > 0.0f)
            direction.normalise();
        break;
    }
    case orientRandom: {
        const float t = static_cast<float>(platform::rand()) * randomRadiansPerStep;
        direction = Ogre::Vector3(std::cos(t), 0.0f, std::sin(t));
        break;
    }
    case orientInward:
        direction = centre - spawnPosition;
        break;
    default:
        return orientation;
    }
    direction = finiteOr(direction, 0.0f);
    direction.y = 0.0f;
    Ogre::Vector3 forward = orientation * Ogre::Vector3::UNIT_Z;
    forward.y = 0.0f;
    return usableOrientation(forward.getRotationTo(direction) * orientation);
}

void Spawner::buildEnemies()
{
    nextIndex = 1;
    if (!members || members->empty() || numberOfSpawns <= 1)
        return;
    Enemy& first = *members->front();
    const bool isSpriteWave = first.wave && !first.wave->spriteName.empty();
    for (std::uint32_t copyIndex = 1; copyIndex < numberOfSpawns; ++copyIndex) {
        ++nextIndex;
        const SpawnTransform spawn = nextSpawnTransform();
        auto* copy = static_cast<Enemy*>(first.clone());
        members->push_back(copy);
        copy->placeInScene(spawnerNode, spawn.orientation, level, sceneManager);
        copy->setupFromDefinition(first, false);
        copy->setVisible(false);
        if (isSpriteWave)
            copy->setLayer(first.layer);
        copy->templateObject = &first;
        copy->waveName.clear();
        copy->screenName.clear();
        copy->thumbnail.clear();
        if (copy->sceneNode)
            copy->sceneNode->setPosition(spawn.position);
        copy->position = copy->savedPosition = copy->placedPosition = spawn.position;
        copy->reset();
        copy->status = Enemy::statusWaitingCopy;
        placeOnPath(*copy, spawn.orientation, spawn.position, first.isKeepFormation != 0);
        copy->createVisuals();
    }
    nextIndex = 1;
}

void Spawner::update(double dt)
{
    while (spawnTimer <= 0.0 && nextIndex < numberOfSpawns && members && nextIndex < members->size()) {
        const std::uint32_t index = nextIndex++;
        Enemy& copy = *(*members)[index];
        Ogre::SceneNode* parent = copy.parentNode ? copy.parentNode : spawnerNode;
        if (copy.rootNode && !copy.rootNode->getParent() && parent)
            parent->addChild(copy.rootNode);
        if (OrientationType == orientAtTarget)
            aimAtTarget(index);
        if (copy.sceneNode)
            copy.sceneNode->setVisible(true, true);
        copy.status = Enemy::statusStarting;
        copy.updateCollisionBoxes();
        spawnTimer = timeBetweenSpawns;
    }
    spawnTimer -= dt;
}

void Spawner::aimAtTarget(std::uint32_t index)
{
    if (!members || index >= members->size() || !target || !target->sceneNode || !spawnerNode)
        return;
    Enemy& member = *(*members)[index];
    const Ogre::Camera* camera = level && level->camera ? level->camera->playCamera : nullptr;
    if (!member.pathFollower || !member.sceneNode || !camera)
        return;
    const Ogre::Vector3 memberPosition = member.sceneNode->_getDerivedPosition();
    Ogre::Vector3 aimPoint;
    projectToPlaneY(aimPoint, target->sceneNode->_getDerivedPosition(), memberPosition.y, *camera);
    Ogre::Vector3 direction = aimPoint - memberPosition;
    direction.y = 0.0f;
    if (direction.length() > 0.0f)
        direction.normalise();
    Ogre::Vector3 forward = spawnerNode->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    forward.y = 0.0f;
    if (!members->front()->isKeepFormation)
        turnOnPath(member, forward.getRotationTo(direction), member.placedPosition);
}
