// The batch's frame: every live shot becomes a quad of its object, begun
// with its definition's material by the object's first shot of the frame.
#include "combat/bulletSpriteBatch.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "play/Level.h"

#include <OgreManualObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

const std::string materialPrefix = "bullet_";
const std::string standInMaterial = "bullet_notFoundBullet.jpg";
const std::string shotMaterialGroup = "GAMERSC";

// Shot records are large and far apart: what the frame reads of each is
// asked for this many shots ahead of its turn.
constexpr std::size_t prefetchDistance = 8;

const bulletDefinition* libraryDefinitionOf(const bullet& record, const Game& game)
{
    if (!record.weapon)
        return nullptr;
    const auto entry = game.bulletLibrary.find(record.weapon->meshName);
    return entry != game.bulletLibrary.end() ? entry->second : nullptr;
}

void prefetch(const bullet* record)
{
    if (!record)
        return;
    __builtin_prefetch(&record->spriteObject);
    __builtin_prefetch(&record->corners.front());
    __builtin_prefetch(&record->corners.back());
    __builtin_prefetch(&record->phase);
}

} // namespace

void bulletSpriteBatch::update(bullet* const* enemyRecords, bullet* const* playerRecords)
{
    if (!level || !game || !sceneManager)
        return;
    drawSide(level->liveEnemyBullets, enemyRecords, false);
    drawSide(level->livePlayerBullets, playerRecords, true);
    // A frame with more shots of an object than its buffer was opened for
    // is drawn again, every buffer opened for all of its shots.
    const auto isShort = [](const bulletSpriteQuads& quads) { return quads.isBegun() && quads.isShort(); };
    if (std::any_of(drawings.begin(), drawings.end(), isShort)) {
        for (bulletSpriteQuads& quads : drawings)
            if (quads.isBegun())
                quads.restart();
        drawSide(level->liveEnemyBullets, enemyRecords, false);
        drawSide(level->livePlayerBullets, playerRecords, true);
    }
    for (bulletSpriteQuads& quads : drawings)
        if (quads.isBegun())
            quads.end();
}

void bulletSpriteBatch::drawSide(const ShotList& live, bullet* const* records, bool isPlayer)
{
    bulletSpriteQuads* current = nullptr;
    auto ahead = live.begin();
    for (std::size_t i = 0; i < prefetchDistance && ahead != live.end(); ++i)
        ++ahead;
    for (const std::int32_t index : live) {
        if (ahead != live.end())
            prefetch(records[*ahead++]);
        const bullet* record = records[index];
        Ogre::ManualObject* object = record ? record->spriteObject : nullptr;
        if (!object)
            continue;
        if (!current || current->object() != object)
            current = &quadsFor(*object, *record, isPlayer);
        current->add(*record, isPlayer);
    }
}

bulletSpriteQuads& bulletSpriteBatch::quadsFor(Ogre::ManualObject& object, const bullet& record, bool isPlayer)
{
    auto quads = std::find_if(drawings.begin(), drawings.end(),
                              [&object](const bulletSpriteQuads& drawing) { return drawing.object() == &object; });
    if (quads == drawings.end())
        quads = drawings.insert(drawings.end(), bulletSpriteQuads(object));
    if (!quads->isBegun())
        beginQuads(*quads, record, isPlayer);
    return *quads;
}

void bulletSpriteBatch::beginQuads(bulletSpriteQuads& quads, const bullet& record, bool isPlayer)
{
    Ogre::ManualObject& object = *quads.object();
    if (!object.getParentSceneNode())
        sceneManager->getRootSceneNode()->attachObject(&object);
    // Materials live in the game's group, outside Ogre's default one: the
    // object is given the material itself so that it is found.
    Ogre::MaterialPtr material = findMaterial(materialNameFor(object, record, isPlayer), shotMaterialGroup);
    if (!material)
        material = findMaterial(standInMaterial, shotMaterialGroup);
    quads.begin(material, standInMaterial, shotMaterialGroup, game->enemyBulletColour, game->playerBulletColour);
}

const std::string& bulletSpriteBatch::materialNameFor(const Ogre::ManualObject& object, const bullet& record,
                                                      bool isPlayer)
{
    const bulletDefinition* definition = libraryDefinitionOf(record, *game);
    if (!definition)
        return standInMaterial;
    materialName.assign(materialPrefix);
    if (!isPlayer)
        return materialName.append(definition->meshName);
    const std::string& name = object.getName();
    const std::size_t suffixLength = sizeof(playerSuffix) - 1;
    return materialName.append(name, 0, name.size() >= suffixLength ? name.size() - suffixLength : 0);
}
