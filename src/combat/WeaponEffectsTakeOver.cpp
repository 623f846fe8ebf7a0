// The one list of what a gun takes from its library gun: a copy takes it
// when it is made, and a gun set up for play takes it again, so that the
// effect names the previous set-up emptied come back with the rest.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"

namespace {

void takeOverCycle(Weapon& gun, const Weapon& from)
{
    gun.button = from.button;
    gun.isAutoShoot = from.isAutoShoot;
    gun.category = from.category;
    gun.isAttachedToCamera = from.isAttachedToCamera;
    gun.isAlwaysCompleteSalve = from.isAlwaysCompleteSalve;
    gun.isButtonCoolDown = from.isButtonCoolDown;
    gun.isUseAmmo = from.isUseAmmo;
    gun.startAmmo = from.startAmmo;
    gun.maxAmmo = from.maxAmmo;
    gun.isLockOn = from.isLockOn;
    gun.isChargedShot = from.isChargedShot;
    gun.isPlayerUsingAI = from.isPlayerUsingAI;
    gun.waitBeforeShoot = from.waitBeforeShoot;
    gun.shootDuration = from.shootDuration;
    gun.waitBeforeLoop = from.waitBeforeLoop;
    gun.isAiLooping = from.isAiLooping;
    gun.isWaitingForTarget = from.isWaitingForTarget;
    gun.blockRotationWhenShooting = from.blockRotationWhenShooting;
    gun.TimeBetweenSalves = from.TimeBetweenSalves;
    gun.waitBeforeShootRandomMin = from.waitBeforeShootRandomMin;
    gun.waitBeforeShootRandomMax = from.waitBeforeShootRandomMax;
    gun.isWaitBeforeShootRandom = from.isWaitBeforeShootRandom;
    gun.NumberOfShoots = from.NumberOfShoots;
    gun.TimeBetweenShoots = from.TimeBetweenShoots;
    gun.isWarmUp = from.isWarmUp;
    gun.HotTimer = from.HotTimer;
    gun.WeaAnimRotAngle = from.WeaAnimRotAngle;
    gun.WeaAnimRotSpeed = from.WeaAnimRotSpeed;
    gun.WeaAnimRotPing = from.WeaAnimRotPing;
    gun.WeaAnimRotMiddle = from.WeaAnimRotMiddle;
    gun.aimLimit_angle = from.aimLimit_angle;
    gun.isUseSafeZone = from.isUseSafeZone;
}

void takeOverPattern(Weapon& gun, const Weapon& from)
{
    gun.damage = from.damage;
    gun.timeToLive = from.timeToLive;
    gun.offsetXRandom = from.offsetXRandom;
    gun.offsetYRandom = from.offsetYRandom;
    gun.angleAdd = from.angleAdd;
    gun.angleRandom = from.angleRandom;
    gun.dirType = from.dirType;
    gun.isInFront = from.isInFront;
    gun.offsetAdd = from.offsetAdd;
    gun.speedRandom = from.speedRandom;
    gun.speedAdd = from.speedAdd;
    gun.isChangeSpeed1 = from.isChangeSpeed1;
    gun.isChangeSpeed2 = from.isChangeSpeed2;
    gun.acceleration = from.acceleration;
    gun.acceleration1StartTime = from.acceleration1StartTime;
    gun.accelerationDuration = from.accelerationDuration;
    gun.acceleration2 = from.acceleration2;
    gun.accelerationDuration2 = from.accelerationDuration2;
    gun.acceleration2StartTime = from.acceleration2StartTime;
    gun.changeDirectionType = from.changeDirectionType;
    gun.changeDirectionStartTime = from.changeDirectionStartTime;
    gun.changeDirectionDuration = from.changeDirectionDuration;
    gun.changeDirectionAngle = from.changeDirectionAngle;
    gun.aimSpeed = from.aimSpeed;
    gun.speed = from.speed;
    gun.startLaserSpeed = from.startLaserSpeed;
    gun.isDestructible = from.isDestructible;
    gun.isInvincible = from.isInvincible;
    gun.cancelling = from.cancelling;
    gun.isCancellable = from.isCancellable;
    gun.timeInvisibleIndividual = from.timeInvisibleIndividual;
    gun.isDestroyBullets = from.isDestroyBullets;
    gun.destroyedBulletItem = from.destroyedBulletItem;
    gun.bulletHitPoints = from.bulletHitPoints;
    gun.repeater_angle = from.repeater_angle;
    gun.repeater_number = from.repeater_number;
    gun.shoot_distance = from.shoot_distance;
    gun.shoot_startDistance = from.shoot_startDistance;
    gun.isBurstSymetry = from.isBurstSymetry;
}

void takeOverLooks(Weapon& gun, const Weapon& from)
{
    gun.isLaser = from.isLaser;
    gun.isPlasma = from.isPlasma;
    gun.laserSfxStartName = from.laserSfxStartName;
    gun.laserSfxEndName = from.laserSfxEndName;
    gun.meshName = from.meshName;
    gun.bulletScale = from.bulletScale;
    gun.sfxType = from.sfxType;
    gun.trailMaterial = from.trailMaterial;
    gun.impactSfxName = from.impactSfxName;
    takeOverEffectNames(gun, from);
}

void takeOverSounds(Weapon& gun, const Weapon& from)
{
    gun.shot = from.shot;
    gun.impactSoundName = from.impactSoundName;
    gun.chargeSoundName = from.chargeSoundName;
    gun.chargeSoundReadyName = from.chargeSoundReadyName;
    gun.shotSound_Volume = from.shotSound_Volume;
    gun.impactSound_Volume = from.impactSound_Volume;
    gun.chargeSoundReady_Volume = from.chargeSoundReady_Volume;
    gun.warmUpSound_Volume = from.warmUpSound_Volume;
    gun.shotSound_pitch = from.shotSound_pitch;
    gun.impactSound_pitch = from.impactSound_pitch;
    gun.chargeSound_pitch = from.chargeSound_pitch;
    gun.chargeSoundReady_pitch = from.chargeSoundReady_pitch;
}

} // namespace

void takeOverEffectNames(Weapon& gun, const Weapon& from)
{
    gun.sfxFireName = from.sfxFireName;
    gun.sfxSmokeName = from.sfxSmokeName;
    gun.hotTimerSfx = from.hotTimerSfx;
    gun.chargeSfxReadyName = from.chargeSfxReadyName;
}

void takeOverDefinition(Weapon& gun, const Weapon& from)
{
    gun.name = from.name;
    gun.screenName = from.screenName;
    gun.parentName = from.parentName;
    gun.thumbnail = from.thumbnail;
    takeOverCycle(gun, from);
    takeOverPattern(gun, from);
    takeOverLooks(gun, from);
    takeOverSounds(gun, from);
}
