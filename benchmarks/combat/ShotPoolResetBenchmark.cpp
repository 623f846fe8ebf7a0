// Cost of giving every shot record back at a level's reset, and of
// destroying them at the level's end, with both pools full: 8000 enemy and
// 3000 player shots hanging under the camera rig "CamNode1", with a few
// other nodes beside them. The records are made and launched again, untimed,
// before each.
#include "world/WorldTestScene.h"

#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"

#include <benchmark/benchmark.h>

namespace {

// Nodes of the rig that are not shots: the camera's, the player ship's...
constexpr int otherRigChildren = 8;

class FullPoolsToReset {
public:
    FullPoolsToReset()
    {
        game.sceneManager = world.scene;
        world.addCamera("PlayCam", Ogre::Vector3(0.0f, 200.0f, 0.0f), Ogre::Vector3::ZERO);
        Ogre::SceneNode* rig = world.scene->getRootSceneNode()->createChildSceneNode("CamNode1");
        for (int i = 0; i < otherRigChildren; ++i)
            rig->createChildSceneNode();
        game.level = &level;
        level.create(world.scene);
    }
    ~FullPoolsToReset()
    {
        level.destroy();
        game.level = nullptr;
        game.sceneManager = nullptr;
    }
    FullPoolsToReset(const FullPoolsToReset&) = delete;
    FullPoolsToReset& operator=(const FullPoolsToReset&) = delete;

    void fill()
    {
        level.resetShotPools();
        int count = 0;
        while (bullet* shot = level.takeBullet(false))
            launch(*shot, count++);
        while (bullet* shot = level.takeBullet(true))
            launch(*shot, count++);
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    Level level;

private:
    static void launch(bullet& shot, int n)
    {
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        shot.velocity = direction;
        shot.launch(nullptr, Ogre::Vector3(static_cast<float>(n % 100), 0.0f, static_cast<float>(n / 100)), 1.0f,
                    direction, nullptr, nullptr);
    }
};

void BM_ShotPoolsResetWithFullPools(benchmark::State& state)
{
    FullPoolsToReset pools;
    for (auto _ : state) {
        state.PauseTiming();
        pools.fill();
        state.ResumeTiming();
        pools.level.resetShotPools();
    }
}
BENCHMARK(BM_ShotPoolsResetWithFullPools)->Unit(benchmark::kMillisecond);

void BM_ShotPoolsDestroyWithFullPools(benchmark::State& state)
{
    FullPoolsToReset pools;
    for (auto _ : state) {
        state.PauseTiming();
        pools.level.create(pools.world.scene);
        pools.fill();
        state.ResumeTiming();
        pools.level.destroy();
    }
}
BENCHMARK(BM_ShotPoolsDestroyWithFullPools)->Unit(benchmark::kMillisecond);

} // namespace
