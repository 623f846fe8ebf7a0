// Dropping items into play: the medal chosen in place of a medal item, and
// the drop itself, which copies a library definition into free items of the
// pool scattered around the screen point of a world position.
#include "core/Game.h"

#include "app/CameraProjection.h"
#include "core/materials/SpriteMaterials.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/Item.h"
#include "world/RenderQueueGroups.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgrePlane.h>
#include <OgreRay.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// One rand() step in radians: a full turn over rand()'s range.
constexpr float radiansPerRandomStep = 0.00019175345f;
// Layered drops draw above the level's own sprite items.
constexpr int dropRenderPriority = 35000;
constexpr int maxDropCounter = 99;

float unitRandom()
{
    return static_cast<float>(platform::rand()) / 32767.0f;
}

// The last medal definition of the rank in the library's key order; the
// fallback when the library has none.
Item* medalOfRank(const std::map<std::string, Item*>& library, int rank, Item* fallback)
{
    Item* found = fallback;
    for (const auto& entry : library)
        if (entry.second->itemKind == itemKindMedal && entry.second->medalType == rank)
            found = entry.second;
    return found;
}

// The value a medal of the rank must stay below to drop again as that rank:
// the score of the rank's place among the medal scores, the highest score
// past the last place, 0 without medals.
std::int64_t medalThreshold(const Level* level, int rank)
{
    if (!level || level->medalRanks.empty())
        return 0;
    if (rank < 0 || static_cast<std::size_t>(rank) >= level->medalRanks.size())
        return level->medalRanks.rbegin()->first;
    return std::next(level->medalRanks.begin(), rank)->first;
}

// How far drops scatter: the radius widened by a large drop factor; a single
// drop stays close to its point.
int dropSpread(int radius, int count, float dropFactor)
{
    int spread = static_cast<int>(static_cast<float>(radius) * std::max(1.0f, 0.5f * dropFactor));
    if (count == 1)
        spread = static_cast<int>(static_cast<float>(spread) * 0.1f);
    return spread;
}

// Where the drops of a world position gather: the point of the plane two
// units above it that the play camera sees at the position's screen point.
// Two units above the position itself when the ray misses that plane or no
// play camera exists.
Ogre::Vector3 dropCentre(Ogre::SceneManager* scene, const Ogre::Vector3& position)
{
    const Ogre::Vector3 above = position + Ogre::Vector3(0.0f, 2.0f, 0.0f);
    if (!scene || !scene->hasCamera("PlayCam"))
        return above;
    const Ogre::Camera& camera = *scene->getCamera("PlayCam");
    Ogre::Vector2 screen;
    worldToScreen(screen, position, camera);
    const Ogre::Ray ray = camera.getCameraToViewportRay(screen.x, screen.y);
    Ogre::Plane plane;
    plane.redefine(Ogre::Vector3::UNIT_Y, Ogre::Vector3(0.0f, position.y + 2.0f, 0.0f));
    const std::pair<bool, Ogre::Real> hit = ray.intersects(plane);
    return hit.first ? ray.getPoint(hit.second) : above;
}

// A point within the spread around the centre, evenly over the disc.
Ogre::Vector3 scatter(const Ogre::Vector3& centre, int spread)
{
    const float distance = static_cast<float>(spread) * std::sqrt(unitRandom());
    const float angle = unitRandom() * Ogre::Math::TWO_PI;
    return centre + Ogre::Vector3(distance * std::cos(angle), 0.0f, distance * std::sin(angle));
}

// The definition a drop of the name copies, and its mesh: the library's
// "ItemNotFound" with "interro.mesh" for a name the library lacks, and for a
// medal the medal the chain has reached. Null when the library has neither.
Item* dropDefinition(Game& game, const std::string& name, std::string& mesh)
{
    mesh = "interro.mesh";
    Item* definition = nullptr;
    const auto found = game.itemLibrary.find(name);
    if (found != game.itemLibrary.end()) {
        definition = found->second;
        mesh = definition->meshName;
    } else {
        const auto missing = game.itemLibrary.find("ItemNotFound");
        if (missing != game.itemLibrary.end())
            definition = missing->second;
    }
    if (definition && definition->itemKind == itemKindMedal) {
        definition = game.selectLeveledItem(definition);
        mesh = definition->meshName;
    }
    return definition;
}

// The free item of the pool with the lowest index; null when all are in use.
Item* firstFreeItem(const std::array<Item*, Game::itemPoolCount>& pool)
{
    for (Item* item : pool)
        if (item && item->status == Item::statusFree)
            return item;
    return nullptr;
}

// A layered drop joins the level's current layer, each one drawn over the
// one dropped before it.
void putOnDropLayer(Item& item, Level* level)
{
    if (!level)
        return;
    level->itemCounter = level->itemCounter >= maxDropCounter ? 0 : level->itemCounter + 1;
    const int group = std::min<int>(unlayeredRenderQueueGroup + level->currentLayer, maxRenderQueueGroup);
    // The item's own effects take the priority too.
    item.priority = static_cast<std::uint16_t>(dropRenderPriority + level->itemCounter);
    if (item.movableObject)
        item.movableObject->setRenderQueueGroupAndPriority(static_cast<std::uint8_t>(group), item.priority);
}

// Some drops fly off faster or slower than the definition. Below 1 %
// randomness there is no range to draw from, and the speed stays.
void varySpeed(Item& item, float randomness)
{
    const int percent = static_cast<int>(randomness * 100.0f);
    if (percent <= 0)
        return;
    const float factor = static_cast<float>(platform::rand() % percent) * 0.01f + 1.0f - randomness * 0.5f + 1.0f;
    item.startSpeed *= factor * 0.5f;
}

void randomiseWobble(Item& item, float randomness)
{
    item.sinPhaseX = unitRandom() * randomness;
    item.sinPhaseZ = unitRandom() * randomness;
}

// Spinning drops start at a random turn, spin a little faster and home in a
// little harder, each by its own amount. A sprite only turns in its plane.
void randomiseSpin(Item& item, float randomness)
{
    const float r1 = static_cast<float>(platform::rand());
    const float r2 = static_cast<float>(platform::rand());
    const float r3 = static_cast<float>(platform::rand());
    const float step = randomness * radiansPerRandomStep;
    if (item.innerNode) {
        item.innerNode->yaw(Ogre::Radian(r2 * item.rotationSpeed.y * step), Ogre::Node::TS_LOCAL);
        if (item.spriteName.empty()) {
            item.innerNode->pitch(Ogre::Radian(r1 * item.rotationSpeed.x * step), Ogre::Node::TS_LOCAL);
            item.innerNode->roll(Ogre::Radian(r3 * item.rotationSpeed.z * step), Ogre::Node::TS_LOCAL);
        }
    }
    randomiseWobble(item, randomness);
    item.rotationSpeed *= item.sinPhaseX * 0.5f + 1.0f;
    item.acceleration = static_cast<int>(static_cast<float>(item.acceleration) * (item.sinPhaseZ * 0.4f + 1.0f));
}

// Starts one free pool item as a copy of the definition at the target.
void dropOne(Game& game, Item& item, Item& definition, const std::string& mesh, const Ogre::Vector3& target,
             float randomness, bool isSlow)
{
    item.templateObject = &definition;
    item.spriteName = definition.spriteName;
    // A pooled item may have been a sprite before: it draws as this one does.
    item.isLayered = definition.isLayered;
    const int spin = static_cast<int>(randomness * 180.0f);
    const int turn = spin > 0 ? platform::rand() % (2 * spin) - spin : 0;
    item.meshName = mesh;
    item.createVisual(target, game.player);
    item.copyObbs();
    item.rebuildGraphics();
    // Taking over the definition resets the start angle: the turn goes on top.
    item.startAngle += turn;
    item.startDelay = isSlow ? 0.1f : 0.0f;
    if (item.isLayered)
        putOnDropLayer(item, game.level);
    if (spin > 0)
        varySpeed(item, randomness);
    item.reset();
    if (item.rotationSpeed != Ogre::Vector3::ZERO)
        randomiseSpin(item, randomness);
    else if (item.SinDistance != Ogre::Vector3::ZERO)
        randomiseWobble(item, randomness);
    if (item.isLayered && item.meshEntity)
        updateSpriteAnimationParameters(item.meshEntity, true, false);
}

} // namespace

Item* Game::selectLeveledItem(Item* item)
{
    if (!item || item->itemKind != itemKindMedal || !isChainingMedalIncrementMedailType)
        return item;
    if (item->medalType > medalType)
        return item;
    Item* chosen = medalOfRank(itemLibrary, medalType, item);
    const std::int64_t value = static_cast<std::int64_t>(chosen->Score) * chosen->medalCounter;
    if (isChainingMedalIncrementMedailScore && value < medalThreshold(level, medalType))
        return chosen;
    return medalOfRank(itemLibrary, medalType + 1, chosen);
}

void Game::spawnItem(const std::string& name, const Ogre::Vector3& position, int count, int radius, float randomness,
                     bool isSlow)
{
    if (name.empty())
        return;
    if (count > 1 && radius == 0)
        radius = 5;
    const int spread = dropSpread(radius, count, itemDropFactor);
    std::string mesh;
    Item* definition = dropDefinition(*this, name, mesh);
    const Ogre::Vector3 centre = dropCentre(sceneManager, position);
    // Nothing drops without a play scene, nor at a NaN point (Ogre aborts on one).
    if (!definition || !sceneManager || centre.isNaN())
        return;
    for (int drop = 0; drop < count; ++drop) {
        const Ogre::Vector3 target = scatter(centre, spread);
        if (Item* item = firstFreeItem(itemPool))
            dropOne(*this, *item, *definition, mesh, target, randomness, isSlow);
    }
}
