// Cost of the shots' hit passes within the full-pool frame of the busiest
// level: player shots against enemy shots, backgrounds and enemies, enemy
// shots against backgrounds, blocking enemies and the player, and the laser
// beams' passes, as the play state's shot steps run them. The steps fly
// each record and then project and test it, so the passes cannot be timed
// apart from the flight; they are timed as the difference of two steps
// over the live records of the same situation: the shot step as play runs
// it, and the flight alone (ShotStep::advance over every live record, each
// toward the point its side's step gives it, fast player shots in two
// halves, as ShotHits' steps fly them). The difference is what hitting
// adds: filing the targets, projecting each record's outline as in play,
// looking it up in the screen grids, the tests and what hits do.
//
// Each iteration plays a frame, untimed, with the pools filled again, and
// times the shot step; then another frame and the flight alone; then a
// third and the flight with each record's outline projected where the
// steps project it. The iteration's time is the step less the flight. The
// ratio x_isolated compares it with the isolated hit pass over a crowded
// frame (support/CrowdedHitFrame.h) measured in this process, which has its
// outlines projected beforehand; step_us, flight_us and projected_us give
// the three steps' means, so the step less the projected flight is the
// hit pass without its projection.
#include "play/PlayStart.h"

#include "support/CrowdedHitFrame.h"
#include "play/LiveShotSteps.h"
#include "support/ReferenceTime.h"
#include "support/ShotBaseline.h"

#include "combat/Enemy.h"
#include "combat/ShotStep.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/FixedSteps.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "world/Obb.h"

#include <OgreSceneNode.h>

namespace {

constexpr double microsecondsPerSecond = 1e6;
// The rules of ShotHits' steps that decide where a record flies: enemy
// shots home on the ship led by this many steps of its velocity, and
// player shots faster than this fly the step in two halves.
constexpr float aimLead = 5.0f;
constexpr float fastShotSpeed = 200.0f;

void nextFrame(BusiestLevelPlay& play, FullShotPools& pools)
{
    play.frame();
    play.updateTransforms();
    pools.fill();
}

// CPU seconds of one fixed step of both sides' shots.
double shotStep(playState& state)
{
    const Ogre::Vector3 target = playerPosition(*state.player);
    const double start = referenceTime::threadSeconds();
    state.updateEnemyBullets(fixedStep, target);
    state.updatePlayerBullets(fixedStep, target);
    return referenceTime::threadSeconds() - start;
}

Ogre::Vector3 enemyAimPoint(const Player& player, const Ogre::Vector3& target)
{
    if (player.status != Player::statusPlaying)
        return target;
    return target + player.velocity * static_cast<float>(fixedStep) * aimLead;
}

// A homing player shot flies toward the nearest enemy on screen (the pools'
// records are never locked on a target).
Ogre::Vector3 homingPoint(const playState& state, const bullet& shot, const Ogre::Vector3& target)
{
    if (shot.state != bullet::stateFlying || !shot.isHoming)
        return target;
    const Enemy* nearest = playState::findNearestEnemy(state.onScreenEnemies, shot.worldPosition());
    return nearest && nearest->sceneNode ? nearest->sceneNode->_getDerivedPosition() : target;
}

// Where the steps project a record's outline: a player shot's before each
// part of its flight, an enemy shot's after it.
enum class Projection { none, withOutlines };

void project(ShotStep& step, bullet& shot, Projection projection)
{
    if (projection == Projection::withOutlines && shot.state == bullet::stateFlying)
        step.project(shot);
}

// CPU seconds of the same step's flight, without hits.
double flightStep(playState& state, Projection projection)
{
    Game& game = *Game::getSingletonPtr();
    const Ogre::Vector3 target = playerPosition(*state.player);
    const double start = referenceTime::threadSeconds();
    ShotStep enemyFlight(enemyAimPoint(*state.player, target));
    stepLiveShots(game.level->liveEnemyBullets, game.enemyBullets, [&](bullet& shot) {
        double dt = fixedStep;
        enemyFlight.advance(shot, dt);
        project(enemyFlight, shot, projection);
    });
    ShotStep playerFlight(target);
    stepLiveShots(game.level->livePlayerBullets, game.playerBullets, [&](bullet& shot) {
        const Ogre::Vector3 homing = homingPoint(state, shot, target);
        const int halves = shot.speed > fastShotSpeed ? 2 : 1;
        for (int i = 0; i < halves; ++i) {
            project(playerFlight, shot, projection);
            double dt = fixedStep / halves;
            if (homing == target) {
                playerFlight.advance(shot, dt);
            } else {
                ShotStep own(homing);
                own.advance(shot, dt);
            }
        }
    });
    return referenceTime::threadSeconds() - start;
}

void BM_BusiestLevelHitPassFullShotPools(benchmark::State& state)
{
    std::optional<BusiestLevelPlay> play;
    std::optional<FullShotPools> pools;
    if (!startFullPoolPlay(state, play, pools))
        return;
    double stepSeconds = 0.0;
    double flightSeconds = 0.0;
    double projectedSeconds = 0.0;
    for (auto _ : state) {
        nextFrame(*play, *pools);
        const double step = shotStep(play->state);
        nextFrame(*play, *pools);
        const double flight = flightStep(play->state, Projection::none);
        nextFrame(*play, *pools);
        projectedSeconds += flightStep(play->state, Projection::withOutlines);
        stepSeconds += step;
        flightSeconds += flight;
        state.SetIterationTime(step - flight);
    }
    countWork(state, *play);
    const double perIteration = microsecondsPerSecond / static_cast<double>(state.iterations());
    state.counters["step_us"] = stepSeconds * perIteration;
    state.counters["flight_us"] = flightSeconds * perIteration;
    state.counters["projected_us"] = projectedSeconds * perIteration;
    referenceTime::reportRatio(state, "isolated", isolatedHitPassSeconds());
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}
// Three frames an iteration: the same stretch of play as the frame benchmarks.
BENCHMARK(BM_BusiestLevelHitPassFullShotPools)
    ->Iterations(framesTimed / 3)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
