#include "data/WeaponReader.h"

#include "combat/Weapon.h"
#include "core/Game.h"
#include "data/AttributeValues.h"
#include "data/SectionValues.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// The word the editor writes for an unset effect or sound.
const char* const unsetName = "none";

using Section = SectionValues;

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

// The editor's "none" for a name that is not set.
std::string unlessUnset(const std::string& name)
{
    return name == unsetName ? std::string() : name;
}

void readNames(const XmlNode& element, Weapon& weapon)
{
    const Section names(element, "name");
    weapon.name = names.text("Name", optional, weapon.name);
    weapon.screenName = names.text("ScreenName", optional, weapon.screenName);
    const Section toybox(element, "toybox");
    weapon.parentName = toybox.text("parentName", optional, weapon.parentName);
    weapon.thumbnail = toybox.text("thumbnail", optional, weapon.thumbnail);
}

void readGameplay(const XmlNode& element, Weapon& w)
{
    const Section gameplay(element, "Gameplay");
    if (!gameplay.isPresent())
        return;
    w.category = gameplay.integer("category", optional, w.category);
    w.isLaser = gameplay.flag("isLaser", required, w.isLaser);
    w.TimeBetweenSalves = gameplay.real("TimeBetweenSalves", required, w.TimeBetweenSalves);
    w.isAutoShoot = gameplay.flag("isAutoShoot", optional, w.isAutoShoot);
    w.waitBeforeShootRandomMin = gameplay.real("waitBeforeShootRandomMin", optional, w.waitBeforeShootRandomMin);
    w.waitBeforeShootRandomMax = gameplay.real("waitBeforeShootRandomMax", optional, w.waitBeforeShootRandomMax);
    w.isWaitBeforeShootRandom = gameplay.flag("isWaitBeforeShootRandom", optional, w.isWaitBeforeShootRandom);
    // A salvo launches no more shots than the larger shot pool holds.
    w.NumberOfShoots = gameplay.count("NumberOfShoots", required, w.NumberOfShoots, Game::enemyBulletCount);
    w.TimeBetweenShoots = gameplay.real("TimeBetweenShoots", required, w.TimeBetweenShoots);
    // Unlike its neighbours, a section without it turns the warm-up off.
    w.isWarmUp = gameplay.flag("isWarmUp", optional, 0);
    w.HotTimer = gameplay.real("HotTimer", required, static_cast<float>(w.HotTimer));
    w.hotTimerSfx = gameplay.text("hotTimerSfx", required, w.hotTimerSfx);
    w.damage = gameplay.count("damage", required, w.damage);
    w.timeToLive = gameplay.real("timeToLive", required, w.timeToLive);
    w.isDestructible = gameplay.flag("isDestructible", required, w.isDestructible);
    w.isInvincible = gameplay.flag("isInvincible", required, w.isInvincible);
    w.cancelling = gameplay.text("cancelling", required, w.cancelling);
    w.timeInvisibleIndividual = gameplay.real("timeInvisibleIndividual", optional, w.timeInvisibleIndividual);
    w.isCancellable = gameplay.flag("isCancellable", optional, w.isCancellable);
    w.chargeSfxReadyName = gameplay.text("chargeSfxReadyName", optional, w.chargeSfxReadyName);
    w.isPlayerUsingAI = gameplay.flag("isPlayerUsingAI", optional, w.isPlayerUsingAI);
    w.isUseSafeZone = gameplay.flag("isUseSafeZone", optional, w.isUseSafeZone);
    w.isDestroyBullets = gameplay.flag("isDestroyBullets", optional, w.isDestroyBullets);
    w.destroyedBulletItem = gameplay.text("destroyedBulletItem", optional, w.destroyedBulletItem);
}

void readAI(const XmlNode& element, Weapon& weapon)
{
    const Section ai(element, "AI");
    weapon.waitBeforeShoot = ai.real("waitBeforeShoot", required, 1.0f);
    weapon.shootDuration = ai.real("shootDuration", required, 1.0f);
    weapon.waitBeforeLoop = ai.real("waitBeforeLoop", required, 0.0f);
    weapon.isAiLooping = ai.flag("isAiLooping", required, 1);
    weapon.isWaitingForTarget = ai.flag("isWaitingForTarget", optional, 0);
    weapon.isChargedShot = ai.flag("isChargedShot", optional, 0);
    weapon.blockRotationWhenShooting = ai.flag("blockRotationWhenShooting", optional, 0);
    weapon.isButtonCoolDown = ai.flag("isButtonCoolDown", optional, weapon.isButtonCoolDown);
    weapon.isAlwaysCompleteSalve = ai.flag("isAlwaysCompleteSalve", optional, weapon.isAlwaysCompleteSalve);
}

// The mounting on the owner. Without the section the gun keeps no turn of
// its own (the identity).
void readBattery(const XmlNode& element, Weapon& weapon)
{
    const Section battery(element, "battery");
    weapon.isAttachedToCamera = battery.flag("isAttachedToCamera", optional, weapon.isAttachedToCamera);
    weapon.savedPosition = battery.vector("offset", required, Ogre::Vector3::ZERO);
    weapon.savedOrientation = battery.turn("rotation", required);
    weapon.shoot_distance = battery.real("shoot_distance", optional, weapon.shoot_distance);
    weapon.shoot_startDistance = battery.real("shoot_startDistance", optional, weapon.shoot_startDistance);
    weapon.button = battery.integer("button", optional, weapon.button);
}

void readAppearance(const XmlNode& element, Weapon& weapon)
{
    const Section look(element, "apparence");
    weapon.meshName = look.text("meshName", required, "");
    const std::string sfxType = look.text("sfxType", required, "");
    weapon.sfxType = sfxType == "None" ? std::string() : unlessUnset(sfxType);
    weapon.impactSfxName = look.text("impactSfxName", optional, "Bullet_Die");
    weapon.trailMaterial = look.text("trailMaterial", optional, "");
    weapon.bulletScale = look.real("bulletScale", required, 1.0f);
    weapon.sfxFireName = unlessUnset(look.text("sfxFireName", required, ""));
    weapon.sfxSmokeName = unlessUnset(look.text("sfxSmokeName", required, ""));
}

// The direction rule that fans positions but not directions.
constexpr std::int32_t dirTypeInFront = 2;

void readAngles(const XmlNode& element, Weapon& weapon)
{
    const Section angles(element, "angles");
    weapon.isBurstSymetry = angles.flag("isBurstSymetry", required, 0);
    weapon.offsetXRandom = angles.real("offsetXRandom", optional, 0.0f);
    weapon.offsetYRandom = angles.real("offsetYRandom", optional, 0.0f);
    weapon.angleAdd = angles.real("angleAdd", required, 0.0f);
    weapon.angleRandom = angles.count("angleRandom", required, 0);
    weapon.offsetAdd = angles.pair("offsetAdd", required, Ogre::Vector2::ZERO);
    weapon.dirType = angles.count("dirType", required, 0);
    weapon.aimLimit_angle = angles.real("aimLimit_angle", optional, 180.0f);
    weapon.isInFront = angles.flag("isInFront", optional, 0);
    // The in-front rule is kept as its own flag on a plain fan.
    if (weapon.dirType == dirTypeInFront) {
        weapon.dirType = 0;
        weapon.isInFront = 1;
    }
}

void readSpeeds(const XmlNode& element, Weapon& weapon)
{
    const Section speeds(element, "speeds");
    weapon.speed = speeds.real("speed", required, 0.0f);
    weapon.speedRandom = speeds.count("speedRandom", required, 0);
    weapon.speedAdd = speeds.real("speedAdd", required, 0.0f);
    weapon.startLaserSpeed = speeds.real("startLaserSpeed", optional, 100.0f);

    const Section first(element, "acceleration1");
    weapon.isChangeSpeed1 = first.flag("isChangeSpeed1", optional, 0);
    weapon.acceleration = first.real("acceleration", required, 0.0f);
    weapon.acceleration1StartTime = first.real("acceleration1StartTime", optional, 0.0f);
    weapon.accelerationDuration = first.real("accelerationDuration", required, 1.0f);

    const Section second(element, "acceleration2");
    weapon.isChangeSpeed2 = second.flag("isChangeSpeed2", optional, 0);
    weapon.acceleration2 = second.real("acceleration2", required, 0.0f);
    weapon.acceleration2StartTime = second.real("acceleration2StartTime", required, 0.0f);
    weapon.accelerationDuration2 = second.real("accelerationDuration2", required, 1.0f);
}

void readSteering(const XmlNode& element, Weapon& weapon)
{
    const Section change(element, "changeDirection");
    weapon.changeDirectionType = change.integer("changeDirectionType", required, 0);
    weapon.changeDirectionStartTime = change.real("changeDirectionStartTime", required, 0.0f);
    weapon.changeDirectionDuration = change.real("changeDirectionDuration", required, 1.0f);
    weapon.aimSpeed = change.real("aimSpeed", required, 0.0f);
    weapon.changeDirectionAngle = change.real("changeDirectionAngle", optional, 0.0f);

    const Section swing(element, "WeaponAnim");
    weapon.WeaAnimRotSpeed = swing.real("WeaAnimRotSpeed", required, 0.0f);
    weapon.WeaAnimRotAngle = swing.real("WeaAnimRotAngle", required, 0.0f);
    weapon.WeaAnimRotPing = swing.flag("WeaAnimRotPing", required, 1);
    weapon.WeaAnimRotMiddle = swing.flag("WeaAnimRotMiddle", optional, 1);
}

void readSounds(const XmlNode& element, Weapon& weapon)
{
    const Section sound(element, "Sound");
    const Ogre::Vector2 pitch(0.0f, 0.1f);
    weapon.shot = unlessUnset(sound.text("shot", required, ""));
    weapon.impactSoundName = unlessUnset(sound.text("impactSoundName", optional, "impact.ogg"));
    weapon.impactSound_Volume = sound.real("impactSound_Volume", optional, 1.0f);
    weapon.chargeSoundName = unlessUnset(sound.text("chargeSoundName", required, ""));
    weapon.shotSound_Volume = sound.real("shotSound_Volume", optional, 1.0f);
    weapon.warmUpSound_Volume = sound.real("warmUpSound_Volume", optional, 1.0f);
    weapon.chargeSoundReadyName = sound.text("chargeSoundReadyName", optional, "");
    weapon.chargeSoundReady_Volume = sound.real("chargeSoundReady_Volume", optional, 1.0f);
    weapon.shotSound_pitch = sound.pair("shotSound_pitch", optional, pitch);
    weapon.impactSound_pitch = sound.pair("impactSound_pitch", optional, pitch);
    weapon.chargeSound_pitch = sound.pair("chargeSound_pitch", optional, pitch);
    weapon.chargeSoundReady_pitch = sound.pair("chargeSoundReady_pitch", optional, pitch);
}

void readRepeaterAndAmmunition(const XmlNode& element, Weapon& weapon)
{
    const Section repeater(element, "repeater");
    // Every shot of a salvo is repeated: the salvo as a whole stays within a pool.
    weapon.repeater_number = repeater.count("repeater_number", required, 1,
                                            Game::enemyBulletCount / std::max(weapon.NumberOfShoots, 1));
    weapon.repeater_angle = repeater.real("repeater_angle", required, 0.0f);

    const Section lockOn(element, "LockOn");
    weapon.isLockOn = lockOn.flag("isLockOn", optional, weapon.isLockOn);

    const Section ammo(element, "Ammo");
    weapon.isUseAmmo = ammo.flag("isUseAmmo", optional, weapon.isUseAmmo);
    weapon.startAmmo = ammo.integer("startAmmo", optional, weapon.startAmmo);
    weapon.maxAmmo = ammo.integer("maxAmmo", optional, weapon.maxAmmo);
}

// Without the section a gun has no beam effects, not the gun's own ones.
void readBeam(const XmlNode& element, Weapon& weapon)
{
    const Section beam(element, "LAZER");
    weapon.isPlasma = beam.flag("isPlasma", required, 0);
    weapon.laserSfxStartName = unlessUnset(beam.text("laserSfxStartName", required, ""));
    weapon.laserSfxEndName = unlessUnset(beam.text("laserSfxEndName", required, ""));
}

} // namespace

void readWeapon(const XmlNode& element, Weapon& weapon)
{
    readNames(element, weapon);
    readGameplay(element, weapon);
    readAI(element, weapon);
    readBattery(element, weapon);
    readAppearance(element, weapon);
    readAngles(element, weapon);
    readSpeeds(element, weapon);
    readSteering(element, weapon);
    readSounds(element, weapon);
    readRepeaterAndAmmunition(element, weapon);
    readBeam(element, weapon);
}
