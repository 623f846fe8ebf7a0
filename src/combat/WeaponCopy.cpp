// What a gun in play takes from the library gun it is copied from: every
// value the weapon element fills, and nothing of the source's firing state.
#include "combat/Weapon.h"

void Weapon::copyDefinitionFields(const Weapon& source)
{
    name = source.name;
    screenName = source.screenName;
    parentName = source.parentName;
    thumbnail = source.thumbnail;
    savedPosition = source.savedPosition;
    savedOrientation = source.savedOrientation;

    button = source.button;
    isAutoShoot = source.isAutoShoot;
    isLaser = source.isLaser;
    isPlasma = source.isPlasma;
    laserSfxStartName = source.laserSfxStartName;
    laserSfxEndName = source.laserSfxEndName;
    isAttachedToCamera = source.isAttachedToCamera;
    isAlwaysCompleteSalve = source.isAlwaysCompleteSalve;
    isButtonCoolDown = source.isButtonCoolDown;
    isUseAmmo = source.isUseAmmo;
    startAmmo = source.startAmmo;
    maxAmmo = source.maxAmmo;
    isLockOn = source.isLockOn;
    isChargedShot = source.isChargedShot;
    isPlayerUsingAI = source.isPlayerUsingAI;

    waitBeforeShoot = source.waitBeforeShoot;
    shootDuration = source.shootDuration;
    waitBeforeLoop = source.waitBeforeLoop;
    isAiLooping = source.isAiLooping;
    isWaitingForTarget = source.isWaitingForTarget;
    blockRotationWhenShooting = source.blockRotationWhenShooting;
    TimeBetweenSalves = source.TimeBetweenSalves;
    waitBeforeShootRandomMin = source.waitBeforeShootRandomMin;
    waitBeforeShootRandomMax = source.waitBeforeShootRandomMax;
    isWaitBeforeShootRandom = source.isWaitBeforeShootRandom;
    NumberOfShoots = source.NumberOfShoots;
    TimeBetweenShoots = source.TimeBetweenShoots;
    isWarmUp = source.isWarmUp;
    HotTimer = source.HotTimer;
    hotTimerSfx = source.hotTimerSfx;
    damage = source.damage;
    timeToLive = source.timeToLive;

    offsetXRandom = source.offsetXRandom;
    offsetYRandom = source.offsetYRandom;
    meshName = source.meshName;
    bulletScale = source.bulletScale;
    sfxType = source.sfxType;
    trailMaterial = source.trailMaterial;
    angleAdd = source.angleAdd;
    angleRandom = source.angleRandom;
    dirType = source.dirType;
    isInFront = source.isInFront;
    offsetAdd = source.offsetAdd;
    speedRandom = source.speedRandom;
    speedAdd = source.speedAdd;

    isChangeSpeed1 = source.isChangeSpeed1;
    isChangeSpeed2 = source.isChangeSpeed2;
    acceleration = source.acceleration;
    acceleration1StartTime = source.acceleration1StartTime;
    accelerationDuration = source.accelerationDuration;
    acceleration2 = source.acceleration2;
    accelerationDuration2 = source.accelerationDuration2;
    acceleration2StartTime = source.acceleration2StartTime;
    changeDirectionType = source.changeDirectionType;
    changeDirectionStartTime = source.changeDirectionStartTime;
    changeDirectionDuration = source.changeDirectionDuration;
    changeDirectionAngle = source.changeDirectionAngle;
    aimSpeed = source.aimSpeed;

    WeaAnimRotAngle = source.WeaAnimRotAngle;
    WeaAnimRotSpeed = source.WeaAnimRotSpeed;
    WeaAnimRotPing = source.WeaAnimRotPing;
    WeaAnimRotMiddle = source.WeaAnimRotMiddle;
    speed = source.speed;
    startLaserSpeed = source.startLaserSpeed;
    isDestructible = source.isDestructible;
    isInvincible = source.isInvincible;
    cancelling = source.cancelling;
    isCancellable = source.isCancellable;
    timeInvisibleIndividual = source.timeInvisibleIndividual;
    isDestroyBullets = source.isDestroyBullets;
    destroyedBulletItem = source.destroyedBulletItem;

    shot = source.shot;
    impactSoundName = source.impactSoundName;
    chargeSoundName = source.chargeSoundName;
    chargeSoundReadyName = source.chargeSoundReadyName;
    shotSound_Volume = source.shotSound_Volume;
    impactSound_Volume = source.impactSound_Volume;
    chargeSoundReady_Volume = source.chargeSoundReady_Volume;
    warmUpSound_Volume = source.warmUpSound_Volume;
    shotSound_pitch = source.shotSound_pitch;
    impactSound_pitch = source.impactSound_pitch;
    chargeSound_pitch = source.chargeSound_pitch;
    chargeSoundReady_pitch = source.chargeSoundReady_pitch;
    impactSfxName = source.impactSfxName;
    chargeSfxReadyName = source.chargeSfxReadyName;

    aimLimit_angle = source.aimLimit_angle;
    repeater_angle = source.repeater_angle;
    repeater_number = source.repeater_number;
    shoot_distance = source.shoot_distance;
    shoot_startDistance = source.shoot_startDistance;
    isBurstSymetry = source.isBurstSymetry;
    isUseSafeZone = source.isUseSafeZone;
    sfxFireName = source.sfxFireName;
    sfxSmokeName = source.sfxSmokeName;
}
