// Cost of one fixed 1/60 s step of the shots in the busiest moment of play:
// both pools full, 8000 enemy and 3000 player shots on screen, all changing
// speed and steering in every mode, a third of them sprites facing the
// camera. Between steps the scene's transforms are brought up to date, as
// the rendered frame between two steps does. The camera hangs under the rig
// "CamNode1" as in play; run with the rig still, and with the rig scrolling
// a little between steps as the level's camera path moves it.
#include "world/WorldTestScene.h"

#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double subStep = 1.0 / 60.0;
// Steps before the shots are launched again, long before any leaves the view.
constexpr int stepsPerVolley = 120;
constexpr int steeringModes = 7;
// How far the scrolling rig moves between two steps: 30 units a second.
const Ogre::Vector3 rigScroll(0.0f, 0.0f, -0.5f);

class FullPools {
public:
    FullPools()
    {
        game.sceneManager = world.scene;
        Ogre::Camera* camera = world.addCamera("PlayCam", Ogre::Vector3(0.0f, 200.0f, 0.0f), Ogre::Vector3::ZERO);
        rig = world.scene->getRootSceneNode()->createChildSceneNode("CamNode1");
        Ogre::SceneNode* cameraNode = camera->getParentSceneNode();
        world.scene->getRootSceneNode()->removeChild(cameraNode);
        rig->addChild(cameraNode);
        game.level = &level;
        // Shots that stray out of view fly on: every record flies every step.
        game.bulletOutsideScreenTime = 100.0f;
        level.create(world.scene);
        sprite.isSprite = 1;
        volley();
    }
    ~FullPools()
    {
        level.destroy();
        game.level = nullptr;
        game.sceneManager = nullptr;
    }
    FullPools(const FullPools&) = delete;
    FullPools& operator=(const FullPools&) = delete;

    // Every record of both pools launched on screen.
    void volley()
    {
        level.resetShotPools();
        int count = 0;
        while (bullet* shot = level.takeBullet(false))
            launch(*shot, count++);
        while (bullet* shot = level.takeBullet(true))
            launch(*shot, count++);
        world.updateTransforms();
    }

    void step()
    {
        state.updateEnemyBullets(subStep, target);
        state.updatePlayerBullets(subStep, target);
    }

    int flying() const
    {
        int count = 0;
        for (const bullet* shot : game.enemyBullets)
            count += shot->state == bullet::stateFlying;
        for (const bullet* shot : game.playerBullets)
            count += shot->state == bullet::stateFlying;
        return count;
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    Level level;
    playState state;
    bulletDefinition sprite;
    Ogre::Vector3 target{0.0f, 0.0f, 60.0f};
    Ogre::SceneNode* rig = nullptr;

private:
    void launch(bullet& shot, int n)
    {
        shot.timeToLive = 1.0e6;
        shot.changeDirectionType = n % steeringModes;
        shot.changeDirectionStartTime = 0.2f;
        shot.changeDirectionDuration = 1.5f;
        shot.changeDirectionAngle = 120.0f;
        shot.aimSpeed = 2.0f;
        shot.aimPoint = Ogre::Vector3(2000.0f, 0.0f, -500.0f);
        shot.isChangeSpeed1 = shot.isChangeSpeed2 = 1;
        shot.acceleration = 30.0f;
        shot.acceleration1StartTime = 0.1f;
        shot.accelerationDuration = 0.5f;
        shot.acceleration2 = 8.0f;
        shot.acceleration2StartTime = 0.8f;
        shot.accelerationDuration2 = 0.6f;
        shot.speed = 12.0f;
        const float angle = 0.001f * static_cast<float>(n);
        shot.velocity = Ogre::Vector3(std::cos(angle), 0.0f, std::sin(angle));
        Ogre::Vector3 direction = shot.velocity;
        const Ogre::Vector3 at(static_cast<float>(n % 100) * 2.0f - 100.0f, 0.0f,
                               static_cast<float>(n / 100 % 100) * 1.2f - 60.0f);
        shot.launch(nullptr, at, 1.0f, direction, nullptr, n % 3 == 0 ? &sprite : nullptr);
    }
};

void BM_ShotFlightStepFullPools(benchmark::State& state)
{
    FullPools pools;
    const bool isRigMoving = state.range(0) != 0;
    int steps = 0;
    for (auto _ : state) {
        pools.step();
        state.PauseTiming();
        if (++steps % stepsPerVolley == 0)
            pools.volley();
        if (isRigMoving)
            pools.rig->translate(rigScroll);
        pools.world.updateTransforms();
        state.ResumeTiming();
    }
    state.counters["flying"] = pools.flying();
}
BENCHMARK(BM_ShotFlightStepFullPools)->ArgName("movingRig")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
