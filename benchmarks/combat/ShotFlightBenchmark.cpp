// Cost of one fixed 1/60 s step of the shots in the busiest moment of play:
// both pools full, 8000 enemy and 3000 player shots on screen, all changing
// speed and steering in every mode, a third of them sprites facing the
// camera (the volley of support/ShotVolley.h). Each step ends with the
// sprite batch writing every shot's quad into its vertex buffer, as the
// frame does after its shot steps. Between steps the scene's transforms are
// brought up to date, untimed, as the rendered frame between two steps
// does. The camera hangs under the rig "CamNode1" as in play; run with the
// rig still, and with the rig scrolling a little between steps as the
// level's camera path moves it.
//
// Two steps are timed: the flight alone (ShotStep::advance over every live
// record, which also works out each sprite's corners) and the play state's
// shot steps, which fly each record and then project its outline and look
// its targets up (there are none here: the hit tests themselves are timed
// by HitPassBenchmark and in play). Both report their ratio to the
// structure-of-arrays baseline of the same process (x_baseline).
#include "world/WorldTestScene.h"

#include "play/LiveShotSteps.h"
#include "support/ReferenceTime.h"
#include "support/ResourceGroupScope.h"
#include "support/ShotBaseline.h"
#include "support/ShotVolley.h"

#include "combat/ShotStep.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"

#include <OgreMaterialManager.h>

#include <benchmark/benchmark.h>

namespace {

// How far the scrolling rig moves between two steps: 30 units a second.
const Ogre::Vector3 rigScroll(0.0f, 0.0f, -0.5f);
// The sprite the batch draws shots launched without a gun with.
const char* const standInMaterial = "bullet_notFoundBullet.jpg";
const char* const shotGroup = "GAMERSC";

class FullPools {
public:
    FullPools()
    {
        createResourceGroupOnce(shotGroup);
        if (!Ogre::MaterialManager::getSingleton().getByName(standInMaterial, shotGroup))
            Ogre::MaterialManager::getSingleton().create(standInMaterial, shotGroup);
        game.sceneManager = world.scene;
        Ogre::Camera* camera = world.addCamera("PlayCam", shotVolley::eye, Ogre::Vector3::ZERO);
        rig = world.scene->getRootSceneNode()->createChildSceneNode("CamNode1");
        Ogre::SceneNode* cameraNode = camera->getParentSceneNode();
        world.scene->getRootSceneNode()->removeChild(cameraNode);
        rig->addChild(cameraNode);
        game.level = &level;
        // Shots that stray out of view fly on: every record flies every step.
        game.bulletOutsideScreenTime = 100.0f;
        level.create(world.scene);
        level.bulletBatch->create(world.scene);
        sprite.isSprite = 1;
        sprite.meshName = "shotSprite.png";
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

    // The flight alone, each pool with its own step as the shot steps have.
    void flightStep()
    {
        fly(level.liveEnemyBullets, game.enemyBullets);
        fly(level.livePlayerBullets, game.playerBullets);
        redraw();
    }

    // The play state's shot steps: flight, projection and hits.
    void shotStep()
    {
        state.updateEnemyBullets(shotVolley::step, shotVolley::homingTarget);
        state.updatePlayerBullets(shotVolley::step, shotVolley::homingTarget);
        redraw();
    }

    // Between two steps, untimed: a new volley when it is time, the rig's
    // scroll and the transforms of the rendered frame.
    void betweenSteps(bool isRigMoving)
    {
        if (++steps % shotVolley::stepsPerVolley == 0)
            volley();
        if (isRigMoving)
            rig->translate(rigScroll);
        world.updateTransforms();
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

private:
    template <std::size_t Count>
    static void fly(ShotList& live, const std::array<bullet*, Count>& records)
    {
        ShotStep flight(shotVolley::homingTarget);
        stepLiveShots(live, records, [&](bullet& record) {
            double dt = shotVolley::step;
            flight.advance(record, dt);
        });
    }

    void redraw() { level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data()); }

    void launch(bullet& shot, int n)
    {
        using namespace shotVolley;
        shot.timeToLive = 1.0e6;
        shot.changeDirectionType = steeringModeOf(n);
        shot.changeDirectionStartTime = steeringStart;
        shot.changeDirectionDuration = steeringDuration;
        shot.changeDirectionAngle = steeringDegrees;
        shot.aimSpeed = shotVolley::aimSpeed;
        shot.aimPoint = shotVolley::aimPoint;
        shot.isChangeSpeed1 = shot.isChangeSpeed2 = 1;
        shot.acceleration = firstSpeed;
        shot.acceleration1StartTime = firstStart;
        shot.accelerationDuration = firstDuration;
        shot.acceleration2 = secondSpeed;
        shot.acceleration2StartTime = secondStart;
        shot.accelerationDuration2 = secondDuration;
        shot.speed = launchSpeed;
        shot.velocity = launchDirection(n);
        Ogre::Vector3 direction = shot.velocity;
        shot.launch(nullptr, launchPoint(n), 1.0f, direction, nullptr, shotVolley::isSprite(n) ? &sprite : nullptr);
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    ResourceGroupScope groups{{shotGroup}};
    Level level;
    playState state;
    bulletDefinition sprite;
    Ogre::SceneNode* rig = nullptr;
    int steps = 0;
};

template <typename Step>
void timeSteps(benchmark::State& state, Step&& step)
{
    FullPools pools;
    const bool isRigMoving = state.range(0) != 0;
    for (auto _ : state) {
        step(pools);
        state.PauseTiming();
        pools.betweenSteps(isRigMoving);
        state.ResumeTiming();
    }
    state.counters["flying"] = pools.flying();
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}

void BM_ShotFlightStepFullPools(benchmark::State& state)
{
    timeSteps(state, [](FullPools& pools) { pools.flightStep(); });
}
BENCHMARK(BM_ShotFlightStepFullPools)->ArgName("movingRig")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ShotStepWithHitsFullPools(benchmark::State& state)
{
    timeSteps(state, [](FullPools& pools) { pools.shotStep(); });
}
BENCHMARK(BM_ShotStepWithHitsFullPools)->ArgName("movingRig")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
