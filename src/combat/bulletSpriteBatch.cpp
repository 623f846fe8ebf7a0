#include "combat/bulletSpriteBatch.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "play/Level.h"
#include "world/RenderQueueGroups.h"

#include <OgreManualObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <limits>

namespace {

const std::string playerSuffix = "_player";
const std::string standInObjectName = "notFound.jpg";
const std::string standInTexture = "notFoundBullet.jpg";
const std::string materialPrefix = "bullet_";
const std::string shotMaterialGroup = "GAMERSC";

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

const bulletDefinition* libraryDefinitionOf(const bullet& record, const Game& game)
{
    if (!record.weapon)
        return nullptr;
    const auto entry = game.bulletLibrary.find(record.weapon->meshName);
    return entry != game.bulletLibrary.end() ? entry->second : nullptr;
}

Ogre::uint8 layerGroup(unsigned layer)
{
    return renderQueueGroupOf(static_cast<Ogre::uint8>(std::min<unsigned>(layer, std::numeric_limits<Ogre::uint8>::max())));
}

// Corner texture coordinates in the order of the record's corners.
const Ogre::Vector2 cornerUv[4] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};

void appendQuad(Ogre::ManualObject& object, const bullet& record, const Ogre::ColourValue& colour)
{
    // The first vertex of this quad: each quad so far added 6 indexes and 4 vertices.
    const auto first = static_cast<Ogre::uint32>(object.getCurrentIndexCount() * 2 / 3) & ~Ogre::uint32{3};
    for (int i = 0; i < 4; ++i) {
        object.position(record.corners[i]);
        object.textureCoord(cornerUv[i]);
        object.colour(colour);
    }
    object.quad(first, first + 1, first + 2, first + 3);
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
    sceneManager->getRootSceneNode()->attachObject(makeObject(standInObjectName, Side::standIn));
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
    if (meshName == standInObjectName) {
        if (sceneManager->hasManualObject(standInObjectName))
            return sceneManager->getManualObject(standInObjectName);
        Ogre::ManualObject* standIn = makeObject(standInObjectName, Side::standIn);
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
    empty(standInObjectName, Side::standIn);
}

void bulletSpriteBatch::destroyObject(const std::string& name)
{
    if (!sceneManager->hasManualObject(name))
        return;
    Ogre::ManualObject* object = sceneManager->getManualObject(name);
    if (object->isAttached())
        object->detachFromParent();
    sceneManager->destroyManualObject(object);
}

void bulletSpriteBatch::destroyObjects()
{
    begunObjects.clear();
    if (!sceneManager)
        return;
    for (const std::string& name : enemySpriteNames)
        destroyObject(name);
    for (const std::string& name : playerSpriteNames)
        destroyObject(name + playerSuffix);
    destroyObject(standInObjectName);
}

void bulletSpriteBatch::destroyAll()
{
    destroyObjects();
    sceneManager = nullptr;
    playerSpriteNames = {};
    enemySpriteNames = {};
}

void bulletSpriteBatch::update(bullet* const* enemyRecords, bullet* const* playerRecords)
{
    if (!level || !game || !sceneManager)
        return;
    begunObjects.clear();
    drawSide(level->liveEnemyBullets, enemyRecords, false);
    drawSide(level->livePlayerBullets, playerRecords, true);
    for (Ogre::ManualObject* object : begunObjects)
        object->end();
}

void bulletSpriteBatch::drawSide(const std::list<std::int32_t>& live, bullet* const* records, bool isPlayer)
{
    const Ogre::Vector3& tint = isPlayer ? game->playerBulletColour : game->enemyBulletColour;
    Ogre::ManualObject* current = nullptr;
    for (const std::int32_t index : live) {
        const bullet* record = records[index];
        Ogre::ManualObject* object = record ? record->spriteObject : nullptr;
        if (!object)
            continue;
        if (object != current) {
            current = object;
            if (std::find(begunObjects.begin(), begunObjects.end(), object) == begunObjects.end())
                beginObject(*object, *record, isPlayer);
        }
        appendQuad(*object, *record, Ogre::ColourValue(tint.x, tint.y, tint.z, record->phase));
    }
}

void bulletSpriteBatch::beginObject(Ogre::ManualObject& object, const bullet& record, bool isPlayer)
{
    begunObjects.push_back(&object);
    object.clear();
    if (!object.getParentSceneNode())
        sceneManager->getRootSceneNode()->attachObject(&object);
    // Materials live in the game's group, outside Ogre's default one: the
    // object is given the material itself so that it is found.
    Ogre::MaterialPtr material = findMaterial(materialPrefix + textureOf(object, record, isPlayer), shotMaterialGroup);
    if (!material)
        material = findMaterial(materialPrefix + standInTexture, shotMaterialGroup);
    if (material)
        object.begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST);
    else // Ogre says it cannot find it and draws with its default material.
        object.begin(materialPrefix + standInTexture, Ogre::RenderOperation::OT_TRIANGLE_LIST, shotMaterialGroup);
}

std::string bulletSpriteBatch::textureOf(const Ogre::ManualObject& object, const bullet& record, bool isPlayer) const
{
    const bulletDefinition* definition = libraryDefinitionOf(record, *game);
    if (!definition)
        return standInTexture;
    if (!isPlayer)
        return definition->meshName;
    const std::string& name = object.getName();
    return name.size() >= playerSuffix.size() ? name.substr(0, name.size() - playerSuffix.size()) : std::string();
}
