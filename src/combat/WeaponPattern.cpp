// The shot loop of a shooting gun: how many shots leave in this step, where
// each starts and where it flies (salvo fan, repeaters, random spread and
// offsets, mirrored twins, safe zone, ammunition), and the spawning of each
// shot from the gun's pool.
#include "combat/Weapon.h"

#include "app/CameraProjection.h"
#include "combat/ShotLaunches.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "platform/Random.h"
#include "play/Level.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>
#include <cstdint>

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

} // namespace

bool Weapon::isInSafeZone() const
{
    if (isPlayerWeapon || !isUseSafeZone || !collisionCamera || !game)
        return true;
    Ogre::Vector2 screen;
    worldToScreen(screen, sceneNode->_getDerivedPosition(), *collisionCamera);
    const Ogre::Vector4& zone = game->weaponSafeZone;
    return zone.x * percent < screen.x && screen.x < zone.y * percent && zone.z * percent < screen.y &&
           screen.y < zone.w * percent;
}

void Weapon::fireShots(float salvo)
{
    if (!(shotTimer <= 0.0 && static_cast<float>(shotsFired) < salvo))
        return;
    const Ogre::Vector3 forward = rotationNode->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    const bool onScreen = isInSafeZone();
    ShotLaunches launches;
    float repeaterStep = 0.0f;
    if (!isLaser) {
        const float divisor = repeater_angle == fullCircle ? static_cast<float>(repeater_number)
                                                           : static_cast<float>(repeater_number - 1);
        if (divisor != 0.0f)
            repeaterStep = repeater_angle / divisor * radiansPerDegree;
    }
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
        fireRepeats(launches, forward, onScreen, repeaterStep);
        salvoTimer = isLaser ? 0.0 : TimeBetweenSalves;
    }
}

void Weapon::fireRepeats(ShotLaunches& launches, const Ogre::Vector3& forward, bool onScreen, float repeaterStep)
{
    const float baseYaw = std::atan2(forward.x, forward.z);
    const bool inFront = isInFront || dirType == dirTypeInFront;
    const bool fans = dirType < dirTypeNodeForward;
    const std::int32_t repeats = isLaser ? 1 : repeater_number;
    const Ogre::Vector3 pos = launches.placeInRig(*sceneNode, sceneManager);
    for (std::int32_t k = 0; k < repeats; ++k) {
        float u = baseYaw;
        if (!isLaser && repeater_number > 1)
            u = baseYaw + static_cast<float>(k) * repeaterStep - repeater_angle * halfRadiansPerDegree;
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
        const float sinU = std::sin(u);
        const float cosU = std::cos(u);
        sideVector = Ogre::Vector3(-cosU, 0.0f, sinU);
        if (!onScreen || (isUseAmmo && ammo == 0))
            continue;

        const Ogre::Vector3 fanned = flatHeading(t, forward.y);
        Ogre::Vector3 dir = fans ? fanned : forward;
        if (inFront)
            dir = Ogre::Vector3(sinU, forward.y, cosU);
        if (isLaser && !isPlasma)
            dir = Ogre::Vector3::NEGATIVE_UNIT_Z;
        const Ogre::Vector3 startOffset =
            inFront ? dir * shoot_startDistance : Ogre::Vector3(sinU, 0.0f, cosU) * shoot_startDistance;
        if (isFlipped)
            dir = -dir;
        if (isLaser) {
            fireLaser(pos + fanned * shoot_distance, dir);
            shotTimer = TimeBetweenShoots;
            continue;
        }
        if (isUseAmmo && ammo > 0)
            --ammo;
        const float reach = shoot_distance - spreadOffsetY + ry;
        const float side = rx - spreadOffsetX;
        spawnBullet(launches, pos + sideVector * side + startOffset + fanned * reach, dir);
        if (isBurstSymetry && shotsFired > 1) {
            // The twin mirrors the fan angle and the side offset, not the spread.
            const float t2 = u + currentAngle * radiansPerDegree - spread * radiansPerDegree;
            const Ogre::Vector3 twinDir = fans && !inFront ? flatHeading(t2, forward.y) : dir;
            spawnBullet(launches, pos - sideVector * side + flatHeading(t2, forward.y) * reach, twinDir);
        }
        shotTimer = TimeBetweenShoots;
    }
}

void Weapon::spawnBullet(ShotLaunches& launches, const Ogre::Vector3& position, Ogre::Vector3 direction)
{
    Level* shotLevel = level ? level : (game ? game->level : nullptr);
    if (!game || !shotLevel || !parentNode)
        return;
    const bool isHeld = !isPlayerWeapon && game->enemyFirePause > 0.0f;
    if (!isHeld) {
        bullet* record = shotLevel->takeBullet(isPlayerWeapon);
        if (!record)
            return;
        fillShot(*record, direction);
        launchShot(launches, *record, position, direction);
    }
    startMuzzleEffects();
    playShotSound();
}

void Weapon::fillShot(bullet& record, const Ogre::Vector3& direction) const
{
    const float parentScale = parentNode->_getDerivedScale().x;
    record.velocity = direction;
    const Ogre::Vector3 goal = game->isDefaultBulletGoalBulletDirection ? direction : aimDirection;
    record.aimPoint = goal * aimReach + parentNode->_getDerivedPosition();
    record.aimPoint.y = 0.0f;
    record.damage = damage;
    std::int64_t extra = 0;
    if (speedRandom != 0 && speedRandom != -1)
        extra = platform::rand() % (static_cast<std::int64_t>(speedRandom) + 1);
    record.speed = (static_cast<float>(extra) + currentSpeed) * parentScale;
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

void Weapon::launchShot(ShotLaunches& launches, bullet& record, const Ogre::Vector3& position, Ogre::Vector3& direction)
{
    const float shotScale = parentNode->_getDerivedScale().x * bulletScale;
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
