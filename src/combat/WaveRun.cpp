// The wave's phases: idle until the camera or a trigger starts it, the start
// delay, running (releasing copies, stepping members, killing the dead ones
// and scoring them), the kill phase, and the reset at level start.
#include "combat/Wave.h"

#include "app/AudioService.h"
#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "combat/WaveKill.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/Trigger.h"

#include <algorithm>
#include <array>

namespace {

// Trigger types that start the waves they are linked to.
constexpr std::array<std::uint32_t, 7> startingTriggerTypes{0, 2, 5, 6, 9, 11, 15};

// The kill phase lasts as long as member 0 takes to die.
float killDuration(const Enemy& first)
{
    return static_cast<float>(first.destructionTime + first.segmentDeathInterval + first.extraDeathTime);
}

bool isStartingTrigger(const entity* object)
{
    const auto* trigger = dynamic_cast<const Trigger*>(object);
    return trigger && !trigger->isDisabled
        && std::find(startingTriggerTypes.begin(), startingTriggerTypes.end(), trigger->type)
        != startingTriggerTypes.end();
}

// Kills the members whose life ran out; notes idle members and whether
// every member sleeps.
void killDeadMembers(Wave& wave)
{
    Game& game = *Game::getSingletonPtr();
    wave.allMembersIdle = 0;
    std::size_t asleep = 0;
    for (std::uint32_t i = 0; i < wave.members.size(); ++i) {
        const Enemy& member = *wave.members[i];
        if (member.status == Enemy::statusAlive && member.currentLife == 0) {
            wave.killMember(i, false);
            const bool isSameWave = wave.level && wave.level->lastKillingWave == &wave;
            game.consecutiveKills = isSameWave ? game.consecutiveKills + 1 : 0;
            if (wave.level)
                wave.level->lastKillingWave = &wave;
        }
        if (member.status == Enemy::statusInactive)
            wave.hasIdleMember = 1;
        if (member.status == Enemy::statusInactive || member.status == Enemy::statusPausedOffScreen)
            if (++asleep == wave.members.size())
                wave.allMembersIdle = 1;
    }
}

// The kill phase: the living members die, the children follow, and once the
// countdown runs out the members are hidden. A wave that saw an idle member
// ends in status 5, where this phase runs no more.
void runKillPhase(Wave& wave, double dt)
{
    for (std::uint32_t i = 0; i < wave.members.size(); ++i)
        if (wave.members[i]->status == Enemy::statusAlive)
            wave.killMember(i, false);
    if (wave.killChildren) {
        wave.suppressScoreRecursive();
        wave.setStatus(wave.hasIdleMember ? Wave::statusFinished : Wave::statusKilling);
    }
    if (wave.hasIdleMember)
        wave.status = Wave::statusFinishedWithIdleMember;
    wave.killTimeLeft -= static_cast<float>(dt);
    if (wave.killTimeLeft > 0.0f)
        return;
    wave.status = wave.hasIdleMember ? Wave::statusFinishedWithIdleMember : Wave::statusFinished;
    if (wave.killedBehavior != Wave::killedHidesMembers)
        return;
    if (wave.killChildren)
        wave.hideAndForward(false);
    for (Enemy* member : wave.members)
        member->setVisible(false);
}

} // namespace

void Wave::update(double dt)
{
    if (status == statusFinished || members.empty())
        return;
    if (status == statusIdle) {
        if (!startedByTrigger && !parentObject && isStartReached())
            status = statusStartDelay;
    } else if (status == statusStartDelay) {
        startDelayLeft -= static_cast<float>(dt);
        if (startDelayLeft <= 0.0f) {
            startRunning();
            if (spawner && spawner->OrientationType == orientAtTarget)
                spawner->aimAtTarget(0);
        }
    } else if (status == statusRunning) {
        runTime += dt;
        spawnTime += dt;
        if (spawner)
            spawner->update(dt);
        killDeadMembers(*this);
    } else if (status == statusKilling) {
        runKillPhase(*this, dt);
    }
    if (status == statusFinished)
        return;
    Game& game = *Game::getSingletonPtr();
    for (Enemy* member : members)
        member->update(dt, game.player, curvePoints);
}

void Wave::startRunning()
{
    isStarted = 1;
    setStatus(statusStartDelay);
    Enemy& first = *members.front();
    first.status = Enemy::statusStarting;
    status = statusRunning;
    for (entity* object : linkedFrom)
        if (object && object->kind == kindTrigger)
            object->isStarted = 1;
    if (!attachedToEntityName.empty() || !spawner)
        return;
    if (first.isGround)
        spawner->detachFromCamera();
    else
        spawner->attachToCamera();
    for (Obb* outline : first.outlines)
        outline->movement = Ogre::Vector2::ZERO;
}

void Wave::killAll()
{
    status = statusKilling;
    if (!members.empty())
        killTimeLeft = killDuration(*members.front());
}

void Wave::killMember(std::uint32_t index, bool noExplosion)
{
    if (index >= members.size())
        return;
    Game& game = *Game::getSingletonPtr();
    Enemy& member = *members[index];
    --aliveCount;
    ++killCount;
    if (level)
        ++level->killedEnemyCount;
    const Ogre::Vector3 where = member.getPosition();
    if (!noExplosion && explodeOnDeath)
        member.explode();
    if (level)
        game.lastKillValue = static_cast<float>(level->lastKillValue);
    if (!noScore && game.isChaining && game.isChainingKillsOnly)
        game.stepMultiplier();
    if (isKillScored(*this))
        scoreKill(*this, member, where);
    member.die(false);
    if (spawner && killCount == spawner->numberOfSpawns) {
        if (!noScore)
            rewardGroupDestroyed(*this, where);
        killAll();
    } else if (isEachCopiesSpawnItem && !noScore) {
        dropWaveItems(*this, where);
    }
}

void Wave::reset()
{
    if (members.empty())
        return;
    Game& game = *Game::getSingletonPtr();
    if (!startSoundName.empty())
        loadSound(startSoundName, false, false, false, false);
    Enemy& first = *members.front();
    first.reset();
    priority = first.priority;
    if (spawner)
        spawner->reset();
    for (std::size_t i = 1; i < members.size(); ++i) {
        members[i]->destroyGraphics();
        delete members[i];
    }
    members.resize(1);
    if (first.isSteering)
        first.returnToParentNode();
    killTimeLeft = killDuration(first);
    startDelayLeft = TimeBeforeSpawn;
    status = statusIdle;
    isStarted = 0;
    runTime = spawnTime = 0.0;
    aliveCount = 1;
    killCount = 0;
    hasIdleMember = allMembersIdle = noScore = 0;
    explodeOnDeath = 1;
    startedByTrigger = std::any_of(linkedObjects.begin(), linkedObjects.end(), isStartingTrigger) ? 1 : 0;
    first.startedByTrigger = startedByTrigger;
    if (!game.isLevelChanging) {
        first.setEffectsActive(false);
        first.clearSfxParticles();
    }
}
