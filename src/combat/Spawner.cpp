// The spawner as an object: its copies, its two scene nodes, the counters a
// layout starts from, and the wave's placement on its nodes.
#include "combat/Spawner.h"

#include "app/Log.h"
#include "app/TextUtils.h"
#include "combat/Enemy.h"
#include "combat/SpawnerPlacement.h"
#include "core/Game.h"
#include "data/AttributeValues.h"
#include "world/FiniteVector.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// Who gives a spawner its counts, for the lines about them: its wave and the
// level file the wave is placed in; logged once, as a restart resets again.
std::string spawnerNamer(const std::vector<Enemy*>* members, const Level* level)
{
    const std::string wave = members && !members->empty() ? "wave " + members->front()->waveName : "a wave";
    const Game* game = Game::getSingletonPtr();
    return namedBy(wave, level && game ? game->levelName + ".level" : "");
}

// The text that makes this spawner's node names unique: its address in hexadecimal.
std::string uniqueSuffix(const Spawner* spawner)
{
    std::ostringstream text;
    text << std::hex << reinterpret_cast<std::uintptr_t>(spawner);
    return text.str();
}

// A child node of the name. A spawner that was freed without destroying its
// nodes leaves them behind under its address, which a new spawner may reuse:
// Ogre refuses a second node of a name, so the stale one goes first.
Ogre::SceneNode* freshChildNode(Ogre::SceneManager& scene, Ogre::SceneNode& parent, const std::string& name)
{
    if (scene.hasSceneNode(name))
        scene.destroySceneNode(name);
    return parent.createChildSceneNode(name);
}

// A grid or triangle count below one row or column would divide by zero.
float atLeastOne(float count)
{
    return std::isfinite(count) && count >= 1.0f ? count : 1.0f;
}

} // namespace

Spawner::Spawner(const Spawner& source)
    : spawnTimer(source.timeBetweenSpawns), position(source.position), scale(source.scale),
      orientation(source.orientation), orientationDegrees(source.orientationDegrees),
      OrientationType(source.OrientationType), timeBetweenSpawns(source.timeBetweenSpawns),
      numberOfSpawns(source.numberOfSpawns), spawnType(source.spawnType), radius(source.radius),
      planeNbs(source.planeNbs), startAngle(source.startAngle), endAngle(source.endAngle), offset(source.offset),
      members(source.members), sceneManager(source.sceneManager), level(source.level), target(source.target)
{
}

void Spawner::createNodes(std::vector<Enemy*>* newMembers, Level* newLevel, Player* newTarget)
{
    members = newMembers;
    level = newLevel;
    target = newTarget;
    sceneManager = Game::getSingletonPtr()->sceneManager;
    if (sceneManager) {
        const std::string suffix = uniqueSuffix(this);
        Ogre::SceneNode& root = *sceneManager->getRootSceneNode();
        spawnerLayerNode = freshChildNode(*sceneManager, root, "spawnerLayerNode" + suffix);
        spawnerNode = freshChildNode(*sceneManager, *spawnerLayerNode, "spawnerNode" + suffix);
        spawnerLayerNode->setPosition(finiteOr(position, 0.0f));
        spawnerNode->setScale(usableScale(scale));
        spawnerNode->setOrientation(usableOrientation(orientation));
    }
    quaternionToEulerDegrees(orientationDegrees.x, orientationDegrees.y, orientationDegrees.z, orientation);
    resetCount();
}

void Spawner::destroyNodes()
{
    if (!sceneManager)
        return;
    if (spawnerNode)
        sceneManager->destroySceneNode(spawnerNode);
    if (spawnerLayerNode)
        sceneManager->destroySceneNode(spawnerLayerNode);
    spawnerNode = nullptr;
    spawnerLayerNode = nullptr;
}

void Spawner::resetCount()
{
    nextIndex = 1;
    if (spawnType == spawnGrid || spawnType == spawnTriangle) {
        const Ogre::Vector2 usable(atLeastOne(planeNbs.x), atLeastOne(planeNbs.y));
        if (usable != planeNbs)
            logLineOnce("[ERROR] spawner rows and columns below 1 count as 1" + spawnerNamer(members, level));
        planeNbs = usable;
    }
    if (spawnType == spawnGrid) {
        row = truncatedInto<std::int32_t>(planeNbs.y - 1.0f, 0);
        numberOfSpawns = truncatedInto<std::uint32_t>(double(planeNbs.y) * planeNbs.x, maxSpawns);
    } else {
        row = 0;
        if (spawnType == spawnTriangle)
            numberOfSpawns = truncatedInto<std::uint32_t>(double(planeNbs.y) * planeNbs.y, maxSpawns);
    }
    if (numberOfSpawns == 0) {
        logLineOnce("[ERROR] a spawner without spawns keeps its wave's own member" + spawnerNamer(members, level));
        numberOfSpawns = 1;
    }
    numberOfSpawns = std::min(numberOfSpawns, maxSpawns);
    column = 0;
    rowCursor = Ogre::Vector2::ZERO;
    rowDepth = 0.0f;
    spawnTimer = timeBetweenSpawns;
}

void Spawner::reset()
{
    resetCount();
    if (attachedToCamera)
        detachFromCamera();
}

void Spawner::attachToCamera()
{
    Ogre::SceneNode* camera = sceneManager ? sceneManager->getSceneNode("CamNode1", false) : nullptr;
    if (!camera || !spawnerLayerNode)
        return;
    if (Ogre::Node* parent = spawnerLayerNode->getParent())
        parent->removeChild(spawnerLayerNode);
    camera->addChild(spawnerLayerNode);
    const Ogre::Vector3 local =
        camera->_getDerivedOrientation().Inverse() * (position - camera->_getDerivedPosition());
    spawnerLayerNode->setPosition(finiteOr(local, 0.0f));
    attachedToCamera = 1;
}

void Spawner::detachFromCamera()
{
    if (sceneManager && spawnerLayerNode) {
        if (Ogre::Node* parent = spawnerLayerNode->getParent())
            parent->removeChild(spawnerLayerNode);
        sceneManager->getRootSceneNode()->addChild(spawnerLayerNode);
        spawnerLayerNode->setPosition(finiteOr(position, 0.0f));
        if (spawnerNode)
            spawnerNode->_setDerivedOrientation(usableOrientation(orientation));
    }
    attachedToCamera = 0;
}

void Spawner::setPosition(const Ogre::Vector3& newPosition)
{
    position = finiteOr(newPosition, 0.0f);
    if (!spawnerLayerNode)
        return;
    spawnerLayerNode->setPosition(position);
    position = spawnerLayerNode->getPosition();
}

void Spawner::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    const Ogre::Vector3 world = finiteOr(worldPosition, 0.0f);
    Ogre::Node* parent = spawnerLayerNode ? spawnerLayerNode->getParent() : nullptr;
    // Converted by hand rather than _setDerivedPosition: a parent of zero scale gives no NaN then.
    setPosition(parent ? parent->convertWorldToLocalPosition(world) : world);
}
