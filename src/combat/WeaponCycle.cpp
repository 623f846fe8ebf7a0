// One fixed step of a gun's firing cycle: fire input and button cool-down,
// the timed waits, warm-up and charge, the shooting time and the loop, and,
// while shooting, the salvo that the shot loop fires.
#include "combat/Weapon.h"

#include "platform/Random.h"

#include <OgreSceneNode.h>

namespace {

constexpr float randomScale = 1.0f / 32767.0f;
constexpr std::int32_t dirTypeAimed = 1;

} // namespace

void Weapon::update(double& dt, const Ogre::Vector3& target, bool fire)
{
    if (!sceneNode || !rotationNode || !parentNode)
        return;
    const std::uint8_t wasFiring = isFiring;
    isFiring = isAutoShoot || fire;
    const float salvo = salvoSize();
    if (salvo == 0.0f)
        return;
    if (isPlayerWeapon && isButtonCoolDown && waitBeforeShoot <= 0.0f && (!isChargedShot || isLaser) &&
        warmUpTime == 0.0)
        coolDownButton(dt, wasFiring);
    runMuzzleTimers(dt);
    if (cycleState != cycleWaiting)
        checkRunningCycle(salvo);
    const bool isSalvoDone = static_cast<float>(shotsFired) == salvo;
    if (isAlwaysCompleteSalve ? isSalvoDone && !isFiring : !isFiring && (!isChargedShot || cycleState == cycleWaiting))
        endCycle();
    if (!advanceCycle(dt, target) || cycleState != cycleShooting || !(salvo > 0.0f))
        return;

    const bool isAimedEnemyGun = !isPlayerWeapon && dirType == dirTypeAimed;
    if (!isLaser) {
        canRotate = static_cast<float>(shotsFired) >= salvo && salvoTimer < salvo * TimeBetweenShoots;
        if (isAimedEnemyGun && salvoTimer == 0.0)
            canRotate = 1;
    }
    const bool isLastSalvoOut = isLaser ? shotsFired > 0 : static_cast<float>(shotsFired) >= salvo;
    if (!isChargeReleased && salvoTimer <= 0.0 && isLastSalvoOut)
        startSalvo();
    if (!isFiring && !isChargeReleased) {
        if (static_cast<float>(shotsFired) == salvo)
            salvoTimer = warmUpTime;
    } else {
        if (isAimedEnemyGun && (canRotate || !blockRotationWhenShooting))
            turnToward(target);
        if (WeaAnimRotSpeed != 0.0f && WeaAnimRotAngle != 0.0f)
            animate(dt);
        if (isLaser)
            canRotate = 0;
    }
    salvoTimer -= dt;
    shotTimer -= dt;
    fireShots(salvo);
}

// A refused press less than half a salvo time before the cool-down ends is
// kept and fires by itself when it ends.
void Weapon::coolDownButton(double dt, bool wasFiring)
{
    pressBuffer -= static_cast<float>(dt);
    coolDownTimer -= static_cast<float>(dt);
    if (isFiring) {
        pressBuffer = TimeBetweenSalves * 0.5f;
        if (coolDownTimer > 0.0f && !wasFiring)
            isFiring = 0;
        else
            coolDownTimer = TimeBetweenSalves;
    } else if (coolDownTimer < 0.0f && pressBuffer > 0.0f) {
        isFiring = 1;
        coolDownTimer = TimeBetweenSalves;
        pressBuffer = 0.0f;
    }
}

void Weapon::endCycle()
{
    resetFiring();
    cycleTime = 0.0;
    cycleState = cycleWaiting;
}

void Weapon::checkRunningCycle(float salvo)
{
    if (isLaser && !shot.empty() && !isFiring)
        stopLaserSound();
    if (!isChargedShot || isLaser)
        return;
    if (!isChargeReady || isFiring) {
        if (static_cast<float>(shotsFired) == salvo || (!isFiring && cycleState != cycleShooting)) {
            if (cycleTime > 0.0)
                endWarmUpEffects();
            endCycle();
        }
        return;
    }
    // The charged button was let go: the whole salvo leaves.
    isChargeReady = 0;
    isChargeReleased = 1;
    hideChargeReady();
    cycleState = cycleShooting;
}

bool Weapon::advanceCycle(double dt, const Ogre::Vector3& target)
{
    if (!isPlayerWeapon && isWaitingForTarget && !isTargetSeen) {
        if (isAimedWithin(target))
            isTargetSeen = 1;
    } else if (isFiring) {
        cycleTime += dt;
    }
    const float startWait = randomWait + waitBeforeShoot;
    if (cycleState == cycleWaiting && waitBeforeShoot <= cycleTime)
        enterRandomWait();
    if (cycleState == cycleRandomWait && startWait < cycleTime)
        beginWarmUp();
    if (cycleState == cycleWarmUp && startWait + warmUpTime < cycleTime)
        endWarmUp();
    if (cycleState == cycleShooting && isLockOn && lockTargets.empty()) {
        cycleState = cycleFinished;
    } else if (cycleState == cycleShooting && !isChargedShot) {
        if (startWait + shootDuration + warmUpTime < cycleTime)
            endShootingTime();
    }
    if (cycleState == cycleLoopPause && isAiLooping && !isChargedShot &&
        cycleTime >= startWait + shootDuration + warmUpTime + waitBeforeLoop) {
        resetFiring();
        cycleState = cycleWaiting;
        cycleTime = waitBeforeShoot;
        isFiring = 1;
        if (isLaser) {
            stopLasers();
            canRotate = 1;
        }
        return false;
    }
    return true;
}

void Weapon::enterRandomWait()
{
    cycleState = cycleRandomWait;
    randomWait = 0.0f;
    if (!isPlayerWeapon && isWaitBeforeShootRandom)
        randomWait = (waitBeforeShootRandomMax - waitBeforeShootRandomMin) * platform::rand() * randomScale +
                     waitBeforeShootRandomMin;
}

void Weapon::beginWarmUp()
{
    cycleState = cycleWarmUp;
    if (isWarmUp && warmUpTime > 0.0)
        startWarmUpEffects();
}

void Weapon::endWarmUp()
{
    endWarmUpEffects();
    if (isLaser)
        canRotate = 1;
    if (!isChargedShot || isLaser) {
        cycleState = cycleShooting;
        return;
    }
    if (isChargeReady)
        return;
    isChargeReady = 1;
    showChargeReady();
}

void Weapon::endShootingTime()
{
    if (!isAiLooping) {
        cycleState = cycleFinished;
        if (isLaser) {
            stopLasers();
            stopLaserSound();
        }
        return;
    }
    if (waitBeforeLoop != 0.0f || warmUpTime != 0.0 || (!isPlayerWeapon && isWaitBeforeShootRandom)) {
        cycleState = cycleLoopPause;
        if (isLaser)
            stopLaserSound();
    }
}

void Weapon::startSalvo()
{
    shotsFired = 0;
    shotTimer = 0.0;
    currentSpeed = speed;
    if (!isLaser) {
        setupSpread();
        return;
    }
    salvoTimer = 0.0;
    shotTimer = TimeBetweenShoots;
    startAngle = 0.0f;
    sideVector = Ogre::Vector3::ZERO;
    spreadOffsetX = spreadOffsetY = 0.0f;
}
