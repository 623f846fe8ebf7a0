// One fixed step's hit tests of a crowded frame: 8000 enemy shots against the
// player's outlines and 3000 player shots against 64 enemies, each enemy shot
// with the swept test, each player shot with the contact test keeping the
// shortest contact, as the shot steps do. Measured twice over the same frame:
// through the screen grids (built afresh each step, as in play) and by
// testing every pair. The grids take each shot by its spot, kept side by
// side as the shot pools keep them, and read its outline only for the
// targets the spot does not rule out; the pair test reads every outline.
// The outlines are projected as in play: the collision
// camera 180 units above the play plane, shots moved by one step between two
// projections at the sample game's common speeds (enemy shots 90 units a
// second, player shots 150).
#include "world/WorldTestScene.h"

#include "combat/ScreenGrid.h"
#include "world/Obb.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

class CrowdedFrame {
public:
    CrowdedFrame()
    {
        Ogre::Camera* camera = world.addCamera("PlayCollisionCam", {0, 180, 0.001f}, Ogre::Vector3::ZERO);
        camera->setFOVy(Ogre::Degree(80));
        std::mt19937 random(11);
        std::uniform_real_distribution<float> across(-260.0f, 260.0f), deep(-145.0f, 145.0f), turn(0.0f, 90.0f);
        player.push_back(addOutline({0, 0, 100}, {6, 8, 3}, 0));
        player.push_back(addOutline({0, 0, 100}, {1, 1, 0}, 0));
        for (int i = 0; i < 64; ++i)
            enemies.push_back(addOutline({across(random), 0, deep(random)}, {8, 6, 4}, turn(random)));
        for (ScreenSpot& spot : enemyShotSpots)
            enemyShots.push_back(addShot({across(random), 0, deep(random)}, {0, 0, 90.0f / 60.0f}, spot));
        // Player shots climb the screen from the player's side of it.
        std::uniform_real_distribution<float> climb(-145.0f, 120.0f);
        for (ScreenSpot& spot : playerShotSpots)
            playerShots.push_back(addShot({across(random) * 0.5f, 0, climb(random)}, {0, 0, -150.0f / 60.0f}, spot));
        world.updateTransforms();
        for (auto& obb : outlines)
            obb->updateScreenPolygon();
        for (auto& [node, step] : moves)
            node->translate(step);
        world.updateTransforms();
        for (auto& obb : outlines)
            obb->updateScreenPolygon();
    }

    std::vector<const Obb*> player, enemies, enemyShots, playerShots;
    std::vector<ScreenSpot> enemyShotSpots = std::vector<ScreenSpot>(8000);
    std::vector<ScreenSpot> playerShotSpots = std::vector<ScreenSpot>(3000);

private:
    Obb* addOutline(const Ogre::Vector3& position, const Ogre::Vector3& size, float degrees, bool attached = false)
    {
        outlines.push_back(std::make_unique<Obb>());
        Obb& obb = *outlines.back();
        obb.size = size;
        obb.rotation = {0, degrees, 0};
        obb.isAttached = attached ? 1 : 0;
        Ogre::SceneNode* node = world.addNode(position);
        obb.bindCamera(world.scene, node);
        obb.init();
        return &obb;
    }
    Obb* addShot(const Ogre::Vector3& position, const Ogre::Vector3& step, ScreenSpot& spot)
    {
        Obb* obb = addOutline(position, {1, 1, 0}, 0, true);
        obb->spot = &spot;
        moves.emplace_back(obb->parentNode, step);
        return obb;
    }

    WorldTestScene world;
    std::vector<std::unique_ptr<Obb>> outlines;
    std::vector<std::pair<Ogre::SceneNode*, Ogre::Vector3>> moves;
};

// The hits of the step: enemy shots that reach the player, and player shots
// with the enemy of shortest contact. The two callables give the candidates
// of the shot of a number.
template <typename PlayerTargets, typename EnemyTargets>
int stepHits(const CrowdedFrame& frame, PlayerTargets&& playerTargets, EnemyTargets&& enemyTargets)
{
    int hits = 0;
    CollisionResult result;
    for (std::size_t i = 0; i < frame.enemyShots.size(); ++i)
        for (std::int32_t number : playerTargets(i)) {
            const Obb& shot = *frame.enemyShots[i];
            const Obb& target = *frame.player[static_cast<std::size_t>(number)];
            Obb::collides(shot, target, shot.movement - target.movement, result);
            if (result.willIntersect) {
                ++hits;
                break;
            }
        }
    for (std::size_t i = 0; i < frame.playerShots.size(); ++i) {
        float shortest = 100000.0f;
        for (std::int32_t number : enemyTargets(i)) {
            const Obb& shot = *frame.playerShots[i];
            const Obb& target = *frame.enemies[static_cast<std::size_t>(number)];
            Obb::collidesWithContact(shot, target, shot.movement - target.movement, result);
            if (result.willIntersect && result.minimumTranslationVector.squaredLength() < shortest)
                shortest = result.minimumTranslationVector.squaredLength();
        }
        hits += shortest < 100000.0f;
    }
    return hits;
}

CrowdedFrame& frame()
{
    static CrowdedFrame shared;
    return shared;
}

void HitPassThroughScreenGrids(benchmark::State& state)
{
    const CrowdedFrame& crowded = frame();
    ScreenGrid playerGrid, enemyGrid;
    int hits = 0;
    for (auto _ : state) {
        playerGrid.clear();
        enemyGrid.clear();
        for (const Obb* outline : crowded.player)
            playerGrid.add(*outline);
        for (const Obb* outline : crowded.enemies)
            enemyGrid.add(*outline);
        hits = stepHits(
            crowded,
            [&](std::size_t shot) { return playerGrid.near(crowded.enemyShotSpots[shot], *crowded.enemyShots[shot]); },
            [&](std::size_t shot) { return enemyGrid.near(crowded.playerShotSpots[shot], *crowded.playerShots[shot]); });
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(HitPassThroughScreenGrids)->Unit(benchmark::kMicrosecond);

void HitPassEveryPair(benchmark::State& state)
{
    const CrowdedFrame& crowded = frame();
    std::vector<std::int32_t> everyPlayerOutline, everyEnemy;
    for (std::size_t i = 0; i < crowded.player.size(); ++i)
        everyPlayerOutline.push_back(static_cast<std::int32_t>(i));
    for (std::size_t i = 0; i < crowded.enemies.size(); ++i)
        everyEnemy.push_back(static_cast<std::int32_t>(i));
    int hits = 0;
    for (auto _ : state) {
        hits = stepHits(
            crowded, [&](std::size_t) -> const std::vector<std::int32_t>& { return everyPlayerOutline; },
            [&](std::size_t) -> const std::vector<std::int32_t>& { return everyEnemy; });
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(HitPassEveryPair)->Unit(benchmark::kMicrosecond);

} // namespace
