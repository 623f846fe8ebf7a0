// Cost of one fixed 1/60 s firing step of 200 enemy guns spread over the
// screen, each firing a fan of 5 shots every step: the firing cycle, the
// pattern and the spawning of 1000 shots into the enemy pool, in one launch
// step. The pool is given back, untimed, before it runs dry.
#include "combat/GunFiringScene.h"
#include "combat/ShotLaunchStep.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int gunCount = 200;
constexpr int shotsPerSalvo = 5;
constexpr int gunsPerRow = 20;

void BM_TwoHundredGunsFireOneStep(benchmark::State& state)
{
    GunFiringScene scene;
    std::vector<Weapon*> guns;
    for (int i = 0; i < gunCount; ++i)
        guns.push_back(&scene.gun(false, [i](Weapon& g) {
            g.NumberOfShoots = shotsPerSalvo, g.angleAdd = 60.0f, g.waitBeforeShoot = 0.0f;
            g.TimeBetweenSalves = 0.0f, g.offsetXRandom = 2.0f, g.speedRandom = 5;
            g.savedPosition = Ogre::Vector3(static_cast<float>(i % gunsPerRow) * 10.0f - 95.0f, 0.0f,
                                            static_cast<float>(i / gunsPerRow) * 6.0f - 30.0f);
        }));
    scene.shots.world.updateTransforms();
    const Ogre::Vector3 target(0.0f, 0.0f, 40.0f);
    for (auto _ : state) {
        if (scene.shots.level.freeEnemyBullets.size() < gunCount * shotsPerSalvo) {
            state.PauseTiming();
            scene.shots.level.resetShotPools();
            state.ResumeTiming();
        }
        // As play steps the guns: one launch step around them all.
        ShotLaunchStep launchStep(scene.shots.level);
        for (Weapon* gun : guns) {
            double dt = GunFiringScene::step;
            gun->update(dt, target, true);
        }
    }
    state.counters["shots"] = benchmark::Counter(static_cast<double>(scene.shots.level.shotCount));
}
BENCHMARK(BM_TwoHundredGunsFireOneStep)->Unit(benchmark::kMillisecond);

} // namespace
