// The batch's objects: made for the guns of the player and the waves at the
// start of play, or when a shot asks for one no gun had, emptied between
// plays and destroyed with the level.
#include "combat/bulletSpriteBatch.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/RenderQueueGroups.h"

#include <OgreManualObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <limits>

namespace {

// Room for thousands of quads without growing the object's buffers.
constexpr std::size_t enemyVertexEstimate = 24000;
constexpr std::size_t playerVertexEstimate = 9000;
constexpr std::size_t indexEstimate = 24000;

// Render priorities within the shots' queue groups: enemy shots over the
// player's, whose shots go under or over the ship.
constexpr Ogre::ushort enemyShotPriority = 50002;
constexpr Ogre::ushort playerShotOverShipPriority = 29501;
constexpr Ogre::ushort playerShotUnderShipPriority = 29499;
constexpr Ogre::ushort standInPriority = 40000;

using WeaponSets = std::vector<std::vector<Weapon*>>;

void addOnce(std::vector<std::string>& names, const std::string& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

// The definitions' meshNames of the guns in the sets, as far as the library has them.
void addSpriteNames(const WeaponSets& sets, const Game& game, std::vector<std::string>& names)
{
    for (const std::vector<Weapon*>& set : sets)
        for (const Weapon* gun : set) {
            if (!gun || gun->meshName.empty())
                continue;
            const auto entry = game.bulletLibrary.find(gun->meshName);
            if (entry != game.bulletLibrary.end() && entry->second)
                addOnce(names, entry->second->meshName);
        }
}

Ogre::uint8 layerGroup(unsigned layer)
{
    const unsigned highest = std::numeric_limits<Ogre::uint8>::max();
    return renderQueueGroupOf(static_cast<Ogre::uint8>(std::min(layer, highest)));
}

} // namespace

void bulletSpriteBatch::create(Ogre::SceneManager* scene)
{
    destroyObjects();
    game = Game::getSingletonPtr();
    sceneManager = scene;
    collectSpriteNames();
    if (!sceneManager)
        return;
    for (const std::string& name : enemySpriteNames)
        makeObject(name, Side::enemy);
    for (const std::string& name : playerSpriteNames)
        makeObject(name + playerSuffix, Side::player);
    sceneManager->getRootSceneNode()->attachObject(makeObject(standInName, Side::standIn));
}

void bulletSpriteBatch::collectSpriteNames()
{
    playerSpriteNames.clear();
    enemySpriteNames.clear();
    if (!game)
        return;
    if (player)
        addSpriteNames(player->weaponSets, *game, playerSpriteNames);
    if (!waves)
        return;
    for (const Wave* wave : *waves)
        if (wave && !wave->members.empty() && wave->members.back())
            addSpriteNames(wave->members.back()->weaponSets, *game, enemySpriteNames);
}

Ogre::ManualObject* bulletSpriteBatch::objectFor(const std::string& meshName, bool isPlayer)
{
    if (!sceneManager)
        return nullptr;
    if (meshName == standInName) {
        if (sceneManager->hasManualObject(standInName))
            return sceneManager->getManualObject(standInName);
        Ogre::ManualObject* standIn = makeObject(standInName, Side::standIn);
        sceneManager->getRootSceneNode()->attachObject(standIn);
        return standIn;
    }
    const std::string name = isPlayer ? meshName + playerSuffix : meshName;
    if (sceneManager->hasManualObject(name))
        return sceneManager->getManualObject(name);
    addOnce(isPlayer ? playerSpriteNames : enemySpriteNames, meshName);
    return makeObject(name, isPlayer ? Side::player : Side::enemy);
}

Ogre::ManualObject* bulletSpriteBatch::makeObject(const std::string& name, Side side)
{
    destroyObject(name);
    Ogre::ManualObject* object = sceneManager->createManualObject(name);
    object->setDynamic(true);
    object->estimateVertexCount(side == Side::player ? playerVertexEstimate : enemyVertexEstimate);
    object->estimateIndexCount(indexEstimate);
    applyRenderQueue(*object, side);
    return object;
}

void bulletSpriteBatch::applyRenderQueue(Ogre::ManualObject& object, Side side) const
{
    const unsigned playerLayer = level ? level->playerLayerIndex : 0;
    const unsigned enemyLayer = level ? level->topWaveLayerIndex : 0;
    switch (side) {
    case Side::enemy:
        object.setRenderQueueGroupAndPriority(layerGroup(std::max(enemyLayer, playerLayer)), enemyShotPriority);
        break;
    case Side::player:
        object.setRenderQueueGroupAndPriority(layerGroup(playerLayer), game && game->isBulletOnTopOfPlayer
                                                                           ? playerShotOverShipPriority
                                                                           : playerShotUnderShipPriority);
        break;
    case Side::standIn:
        object.setRenderQueueGroupAndPriority(layerGroup(playerLayer), standInPriority);
        break;
    }
}

void bulletSpriteBatch::clear()
{
    if (!sceneManager)
        return;
    const auto empty = [this](const std::string& name, Side side) {
        if (!sceneManager->hasManualObject(name))
            return;
        Ogre::ManualObject* object = sceneManager->getManualObject(name);
        object->clear();
        applyRenderQueue(*object, side);
        if (side != Side::standIn && object->isAttached())
            object->detachFromParent();
    };
    for (const std::string& name : enemySpriteNames)
        empty(name, Side::enemy);
    for (const std::string& name : playerSpriteNames)
        empty(name + playerSuffix, Side::player);
    empty(standInName, Side::standIn);
}

void bulletSpriteBatch::destroyObject(const std::string& name)
{
    if (!sceneManager->hasManualObject(name))
        return;
    Ogre::ManualObject* object = sceneManager->getManualObject(name);
    drawings.erase(std::remove_if(drawings.begin(), drawings.end(),
                                  [object](const bulletSpriteQuads& quads) { return quads.object() == object; }),
                   drawings.end());
    if (object->isAttached())
        object->detachFromParent();
    sceneManager->destroyManualObject(object);
}

void bulletSpriteBatch::destroyObjects()
{
    drawings.clear();
    if (!sceneManager)
        return;
    for (const std::string& name : enemySpriteNames)
        destroyObject(name);
    for (const std::string& name : playerSpriteNames)
        destroyObject(name + playerSuffix);
    destroyObject(standInName);
}

void bulletSpriteBatch::destroyAll()
{
    destroyObjects();
    sceneManager = nullptr;
    playerSpriteNames = {};
    enemySpriteNames = {};
}

