// Cost of the collision tests on projected outlines: one separating-axis test
// between two outlines of eight points, and a frame's worth of shots tested
// against the enemies on screen, most pairs ending at the centre pre-test.
// The collision camera is set up as in play: 180 units above the play plane,
// looking down, with a vertical field of view of 80 degrees.
#include "world/WorldTestScene.h"

#include "world/Obb.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

class PlayField {
public:
    PlayField()
    {
        Ogre::Camera* camera = world.addCamera("PlayCollisionCam", {0, 180, 0.001f}, Ogre::Vector3::ZERO);
        camera->setFOVy(Ogre::Degree(80));
        camera->setNearClipDistance(1.1f);
        camera->setFarClipDistance(1000);
    }

    // An outline of the size on a node at the position; an attached one, as
    // the pooled shots have, uses that node itself.
    Obb& addOutline(const Ogre::Vector3& position, const Ogre::Vector3& size, float degrees, bool attached = false)
    {
        outlines.push_back(std::make_unique<Obb>());
        Obb& obb = *outlines.back();
        obb.size = size;
        obb.rotation = {0, degrees, 0};
        obb.isAttached = attached ? 1 : 0;
        obb.bindCamera(world.scene, world.addNode(position));
        obb.init();
        return obb;
    }

    // A custom outline of eight points round the position; it uses its
    // owner's node and places it at its offset.
    Obb& addOctagon(const Ogre::Vector3& position, float radius)
    {
        outlines.push_back(std::make_unique<Obb>());
        Obb& obb = *outlines.back();
        obb.isLayered = 1;
        obb.placedPosition = position;
        for (std::size_t i = 0; i < obb.customPoints.size(); ++i) {
            const Ogre::Radian angle(Ogre::Math::TWO_PI * static_cast<float>(i) / 8.0f);
            obb.customPoints[i] = {radius * Ogre::Math::Cos(angle), radius * Ogre::Math::Sin(angle)};
        }
        obb.bindCamera(world.scene, world.addNode());
        obb.init();
        return obb;
    }

    void project()
    {
        world.updateTransforms();
        for (auto& obb : outlines) {
            obb->updateScreenPolygon();
            obb->updateScreenPolygon(); // a still object: no movement in the radius
        }
    }

    WorldTestScene world;
    std::vector<std::unique_ptr<Obb>> outlines;
};

void measureCollides(benchmark::State& state, PlayField& field, const Obb& a, const Obb& b)
{
    field.project();
    const Ogre::Vector2 velocity(0.001f, -0.002f);
    CollisionResult result;
    for (auto _ : state) {
        Obb::collides(a, b, velocity, result);
        benchmark::DoNotOptimize(result);
    }
    state.counters["outline points"] = static_cast<double>(a.outline.size() + b.outline.size());
    state.counters["intersect"] = result.intersect;
}

// Two overlapping octagons given as custom outlines: eight screen points
// each, the most an outline has, and every axis of both outlines is tested.
void ObbCollidesEightPointOutlines(benchmark::State& state)
{
    PlayField field;
    const Obb& a = field.addOctagon({0, 0, 0}, 6.0f);
    const Obb& b = field.addOctagon({7, 0, 3}, 5.0f);
    measureCollides(state, field, a, b);
}
BENCHMARK(ObbCollidesEightPointOutlines);

// Two overlapping boxes with height: eight corners each, whose convex
// outline on the screen keeps six of them.
void ObbCollidesBoxesWithHeight(benchmark::State& state)
{
    PlayField field;
    const Obb& a = field.addOutline({0, 0, 0}, {12, 8, 6}, 20);
    const Obb& b = field.addOutline({6, 0, 2}, {10, 10, 4}, 65);
    measureCollides(state, field, a, b);
}
BENCHMARK(ObbCollidesBoxesWithHeight);

// 11000 pooled shots (flat 1 x 1 attached outlines, like the pools' records)
// spread over the whole view, each tested against 50 enemies with boxes of
// height (8 x 6 x 4 units, about 3 % of the view's height).
void ShotsAgainstTargets(benchmark::State& state)
{
    PlayField field;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> across(-260.0f, 260.0f), deep(-145.0f, 145.0f), turn(0.0f, 90.0f);
    std::vector<const Obb*> shots, targets;
    for (int i = 0; i < 11000; ++i)
        shots.push_back(&field.addOutline({across(random), 0, deep(random)}, {1, 1, 0}, 0, true));
    for (int i = 0; i < 50; ++i)
        targets.push_back(&field.addOutline({across(random), 0, deep(random)}, {8, 6, 4}, turn(random)));
    field.project();

    const Ogre::Vector2 velocity(0.0f, -0.001f);
    CollisionResult result;
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const Obb* shot : shots)
            for (const Obb* target : targets) {
                Obb::collides(*shot, *target, velocity, result);
                hits += result.willIntersect;
            }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(ShotsAgainstTargets)->Unit(benchmark::kMicrosecond);

} // namespace
