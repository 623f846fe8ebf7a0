// Cost of one frame of path following: 500 movers, each with its own node,
// advancing along a looping path of six waypoints (one of which waits) at
// 60 frames a second, spread out along the path.
#include "world/PathTestSupport.h"
#include "world/WorldTestScene.h"

#include "world/PathFollower.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int followerCount = 500;
constexpr double frameTime = 1.0 / 60.0;

void BM_PathFollowersOneFrame(benchmark::State& state)
{
    WorldTestScene world;
    PathOfWaypoints path;
    const std::array<Ogre::Vector3, 5> corners = {
        {{0, 0, 0}, {80, 0, 10}, {120, 0, 90}, {40, 0, 140}, {-30, 0, 70}}};
    for (const Ogre::Vector3& corner : corners)
        path.add(corner, 3.0f);
    path[2].waitDuration = 0.5f;
    path[3].rotType = rotTypeFixed;
    path[3].rotation = {0, 45, 0};
    path.closeLoop();
    path.build();
    std::vector<PathFollower> followers(followerCount);
    for (int i = 0; i < followerCount; ++i) {
        // The reference node is the moved node, as for the camera rig.
        Ogre::SceneNode* node = world.addNode();
        followers[i].init(world.scene, nullptr, nullptr, &path.list, node, node);
        for (int frame = 0; frame < i; ++frame)
            followers[i].update(frameTime, Ogre::Vector3::ZERO, path.table, false);
    }
    for (auto _ : state) {
        for (PathFollower& follower : followers)
            follower.update(frameTime, Ogre::Vector3::ZERO, path.table, false);
    }
    state.SetItemsProcessed(state.iterations() * followerCount);
}
BENCHMARK(BM_PathFollowersOneFrame)->Unit(benchmark::kMicrosecond);

} // namespace
