// The shot loop of a shooting gun: how many shots leave in this step, where
// each starts and where it flies (salvo fan, repeaters, random spread and
// offsets, mirrored twins, safe zone, ammunition), and the spawning of each
// shot from the gun's pool.
#include "combat/Weapon.h"

#include "combat/ShotLaunches.h"
#include "combat/ShotMath.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "platform/Random.h"
#include "play/Level.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>
#include <cstdint>
#include <optional>

using namespace shotMath;

namespace {

constexpr float radiansPerDegree = 0.017453292f;
constexpr float halfRadiansPerDegree = 0.008726646f;
constexpr float randomScale = 1.0f / 32767.0f;
constexpr float percent = 0.01f;
constexpr float fullCircle = 360.0f;
constexpr float aimReach = 2000.0f;
// Data may still say 2 for "straight ahead while the positions fan out";
// from 3 on shots fly along the node's forward.
constexpr std::int32_t dirTypeInFront = 2;
constexpr std::int32_t dirTypeNodeForward = 3;

Ogre::Vector3 flatHeading(float yaw, float height)
{
    return {std::sin(yaw), height, std::cos(yaw)};
}

bool isSideAssetGroup(const std::string& group)
{
    return group != "COMMON" && group != "2DSPACEASSETS" && group != "2DGEOMETRYASSETS";
}

// -Z turned by the orientation, worked out in the order of Ogre's quaternion
// product, to the bit, without the call into the library.
Ogre::Vector3 forwardOf(const Ogre::Quaternion& q)
{
    const Ogre::Vector3 axis(q.x, q.y, q.z);
    const Ogre::Vector3 ahead = Ogre::Vector3::NEGATIVE_UNIT_Z;
    const Ogre::Vector3 once = cross(axis, ahead);
    const Ogre::Vector3 twice = cross(axis, once);
    return sum(sum(ahead, scaled(once, 2.0f * q.w)), scaled(twice, 2.0f));
}

} // namespace

bool Weapon::isInSafeZone(ShotLaunches& launches) const
{
    if (isPlayerWeapon || !isUseSafeZone || !collisionCamera || !game)
        return true;
    const Ogre::Vector2 screen = launches.screenPosition(*collisionCamera, sceneNode->_getDerivedPosition());
    const Ogre::Vector4& zone = game->weaponSafeZone;
    return zone.x * percent < screen.x && screen.x < zone.y * percent && zone.z * percent < screen.y &&
           screen.y < zone.w * percent;
}

Level* Weapon::shotLevel() const
{
    return level ? level : (game ? game->level : nullptr);
}

void Weapon::fireShots(float salvo)
{
    if (!(shotTimer <= 0.0 && static_cast<float>(shotsFired) < salvo))
        return;
    // The launches of the step under way, else the gun's own.
    Level* pools = shotLevel();
    std::optional<ShotLaunches> own;
    ShotLaunches& launches = pools && pools->stepLaunches ? *pools->stepLaunches : own.emplace();
    const SalvoBasis basis = salvoBasis(launches);
    while (shotTimer <= 0.0 && static_cast<float>(shotsFired) < salvo) {
        ++shotsFired;
        if (isLaser) {
            shotsFired = static_cast<std::int32_t>(std::ceil(salvo));
        } else if (shotsFired > 1) {
            currentAngle += angleStep;
            spreadOffsetX -= offsetAdd.x;
            spreadOffsetY -= offsetAdd.y;
            currentSpeed += speedAdd;
        }
        fireRepeats(launches, basis);
        salvoTimer = isLaser ? 0.0 : TimeBetweenSalves;
    }
}

Weapon::SalvoBasis Weapon::salvoBasis(ShotLaunches& launches) const
{
    SalvoBasis basis;
    basis.forward = forwardOf(rotationNode->_getDerivedOrientation());
    basis.onScreen = isInSafeZone(launches);
    basis.yaw = std::atan2(basis.forward.x, basis.forward.z);
    basis.sinYaw = std::sin(basis.yaw);
    basis.cosYaw = std::cos(basis.yaw);
    basis.place = launches.placeInRig(*sceneNode, sceneManager);
    basis.ownerScale = parentNode->_getDerivedScale().x;
    basis.ownerPosition = parentNode->_getDerivedPosition();
    if (!isLaser) {
        const float divisor = repeater_angle == fullCircle ? static_cast<float>(repeater_number)
                                                           : static_cast<float>(repeater_number - 1);
        if (divisor != 0.0f)
            basis.repeaterStep = repeater_angle / divisor * radiansPerDegree;
    }
    return basis;
}

void Weapon::fireRepeats(ShotLaunches& launches, const SalvoBasis& basis)
{
    const Ogre::Vector3& forward = basis.forward;
    const Ogre::Vector3& pos = basis.place;
    const bool inFront = isInFront || dirType == dirTypeInFront;
    const bool fans = dirType < dirTypeNodeForward;
    const bool repeatsTurn = !isLaser && repeater_number > 1;
    const std::int32_t repeats = isLaser ? 1 : repeater_number;
    for (std::int32_t k = 0; k < repeats; ++k) {
        float u = basis.yaw;
        if (repeatsTurn)
            u = basis.yaw + static_cast<float>(k) * basis.repeaterStep - repeater_angle * halfRadiansPerDegree;
        float spread = 0.0f;
        if (!isLaser && angleRandom > 0)
            spread = static_cast<float>(platform::rand() % (static_cast<std::int64_t>(angleRandom) + 1)) -
                     static_cast<float>(angleRandom) * 0.5f;
        const float t = isLaser ? u : u - currentAngle * radiansPerDegree + spread * radiansPerDegree;
        float rx = 0.0f;
        float ry = 0.0f;
        if (!isLaser && offsetXRandom > 0.0f)
            rx = platform::rand() * randomScale * offsetXRandom - offsetXRandom * 0.5f;
        if (!isLaser && offsetYRandom > 0.0f)
            ry = platform::rand() * randomScale * offsetYRandom - offsetYRandom * 0.5f;
        const float sinU = repeatsTurn ? std::sin(u) : basis.sinYaw;
        const float cosU = repeatsTurn ? std::cos(u) : basis.cosYaw;
        sideVector = Ogre::Vector3(-cosU, 0.0f, sinU);
        if (!basis.onScreen || (isUseAmmo && ammo == 0))
            continue;

        const Ogre::Vector3 fanned = flatHeading(t, forward.y);
        Ogre::Vector3 dir = fans ? fanned : forward;
        if (inFront)
            dir = Ogre::Vector3(sinU, forward.y, cosU);
        if (isLaser && !isPlasma)
            dir = Ogre::Vector3::NEGATIVE_UNIT_Z;
        const Ogre::Vector3 startOffset =
            scaled(inFront ? dir : Ogre::Vector3(sinU, 0.0f, cosU), shoot_startDistance);
        if (isFlipped)
            dir = scaled(dir, -1.0f);
        if (isLaser) {
            fireLaser(sum(pos, scaled(fanned, shoot_distance)), dir);
            shotTimer = TimeBetweenShoots;
            continue;
        }
        if (isUseAmmo && ammo > 0)
            --ammo;
        const float reach = shoot_distance - spreadOffsetY + ry;
        const float side = rx - spreadOffsetX;
        const Ogre::Vector3 sideways = scaled(sideVector, side);
        spawnBullet(launches, basis, sum(sum(sum(pos, sideways), startOffset), scaled(fanned, reach)), dir);
        if (isBurstSymetry && shotsFired > 1) {
            // The twin mirrors the fan angle and the side offset, not the spread.
            const float t2 = u + currentAngle * radiansPerDegree - spread * radiansPerDegree;
            const Ogre::Vector3 twinHeading = flatHeading(t2, forward.y);
            const Ogre::Vector3 twinDir = fans && !inFront ? twinHeading : dir;
            spawnBullet(launches, basis, sum(difference(pos, sideways), scaled(twinHeading, reach)), twinDir);
        }
        shotTimer = TimeBetweenShoots;
    }
}

void Weapon::spawnBullet(ShotLaunches& launches, const SalvoBasis& basis, const Ogre::Vector3& position,
                         Ogre::Vector3 direction)
{
    Level* pools = shotLevel();
    if (!game || !pools || !parentNode)
        return;
    const bool isHeld = !isPlayerWeapon && game->enemyFirePause > 0.0f;
    if (!isHeld) {
        bullet* record = pools->takeBullet(isPlayerWeapon && !pools->isPlayerWeaponEnemyPool);
        if (!record)
            return;
        fillShot(*record, basis, direction);
        launchShot(launches, basis, *record, position, direction);
    }
    startMuzzleEffects();
    playShotSound();
}

Ogre::Vector3 Weapon::shotAimPoint(const Ogre::Vector3& direction, const Ogre::Vector3& ownerPosition) const
{
    const bool isAlongShot = game && game->isDefaultBulletGoalBulletDirection;
    const Ogre::Vector3& goal = isAlongShot ? direction : aimDirection;
    Ogre::Vector3 point = sum(scaled(goal, aimReach), ownerPosition);
    point.y = 0.0f;
    return point;
}

void Weapon::fillShot(bullet& record, const SalvoBasis& basis, const Ogre::Vector3& direction) const
{
    record.velocity = direction;
    record.aimPoint = shotAimPoint(direction, basis.ownerPosition);
    record.damage = damage;
    std::int64_t extra = 0;
    if (speedRandom != 0 && speedRandom != -1)
        extra = platform::rand() % (static_cast<std::int64_t>(speedRandom) + 1);
    record.speed = (static_cast<float>(extra) + currentSpeed) * basis.ownerScale;
    record.acceleration = acceleration;
    record.isChangeSpeed1 = isChangeSpeed1;
    record.isChangeSpeed2 = isChangeSpeed2;
    record.acceleration1StartTime = acceleration1StartTime;
    record.accelerationDuration = accelerationDuration;
    record.acceleration2 = acceleration2;
    record.accelerationDuration2 = accelerationDuration2;
    record.acceleration2StartTime = acceleration2StartTime;
    record.changeDirectionType = changeDirectionType;
    record.changeDirectionStartTime = changeDirectionStartTime;
    record.changeDirectionDuration = changeDirectionDuration;
    record.changeDirectionAngle = changeDirectionAngle;
    record.aimSpeed = aimSpeed;
    record.timeInvisibleIndividual = timeInvisibleIndividual;
    record.isDestructible = isDestructible;
    record.isCancellable = isCancellable;
    record.isInvincible = isInvincible;
    record.timeToLive = timeToLive;
    record.hitPoints = bulletHitPoints;
    record.phase = game->playClock - std::floor(game->playClock);
    // Side assets are a look of flat (2D) games only. The definition is the
    // library's entry of meshName, found at reset; without one the shot is
    // of the common group.
    record.isSideAsset =
        game->levelTypePreference == 0 && bulletDefinition && isSideAssetGroup(bulletDefinition->group);
    record.isPlayerBullet = isPlayerWeapon;
}

void Weapon::launchShot(ShotLaunches& launches, const SalvoBasis& basis, bullet& record, const Ogre::Vector3& position,
                        Ogre::Vector3& direction)
{
    const float shotScale = basis.ownerScale * bulletScale;
    if (isAttachedToCamera) {
        launches.launch(record, this, position, shotScale, direction, nullptr, bulletDefinition);
    } else {
        Ogre::SceneNode* rig = launches.rigOf(sceneManager);
        const Ogre::Vector3 world = rig ? rig->convertLocalToWorldPosition(position) : position;
        launches.launch(record, this, world, shotScale, direction, sceneManager->getRootSceneNode(), bulletDefinition);
    }
    if (isLockOn && !lockTargets.empty()) {
        record.isHoming = record.isLockedOn = 1;
        record.lockTarget = lockTargets.back();
        lockTargets.pop_back();
    }
}
