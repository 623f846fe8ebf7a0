// Laser beams: each salvo of a laser gun starts a beam record that belongs
// to the gun alone; every step the gun draws one strip along its records,
// grows the beam while it fires and fades it out after, and ends it when it
// has faded or the gun stops it.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"
#include "combat/WeaponLaserStrip.h"

#include "combat/bullet.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/Obb.h"

#include <OgreManualObject.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr float beamSpeedFactor = 2.5f;
constexpr float beamScaleFactor = 1.2f;
// Seconds a beam record keeps flying once the gun stops firing.
constexpr double releasedRecordLife = 0.15;
// An end point this close to the last record adds nothing to the beam.
constexpr float endPointTolerance = 0.1f;
constexpr float growthPerSecond = 7.0f;
constexpr float fadePerSecond = 5.9f;
constexpr float faintestFading = 0.01f;
// Below this the beam is gone and its objects are cleared.
constexpr float faintestShown = 0.1f;
constexpr float hiddenEndScale = 0.001f;

// Render priorities of a player's beam, under the ship or over it, and of
// an enemy's beam.
constexpr Ogre::ushort playerBeamPriority = 29498;
constexpr Ogre::ushort playerBeamPriorityOnTop = 29501;
constexpr Ogre::ushort playerBeamEffectPriority = 29499;
constexpr Ogre::ushort playerBeamEffectPriorityOnTop = 29502;
constexpr Ogre::ushort playerBeamImpactPriority = 29500;
constexpr Ogre::ushort playerBeamImpactPriorityOnTop = 29503;
constexpr Ogre::ushort enemyBeamPriority = 50000;
constexpr Ogre::ushort enemyBeamEffectPriority = 50001;

bool isEnemyHolding(const Weapon& gun)
{
    return !gun.isPlayerWeapon && gun.game && gun.game->enemyFirePause > 0.0f;
}

void copyFlight(bullet& record, const Weapon& gun, const Ogre::Vector3& direction)
{
    record.velocity = direction;
    record.damage = gun.damage;
    record.isDestructible = gun.isDestructible;
    record.isInvincible = gun.isInvincible;
    record.changeDirectionType = gun.changeDirectionType;
    record.changeDirectionStartTime = gun.changeDirectionStartTime;
    record.changeDirectionDuration = gun.changeDirectionDuration;
    record.changeDirectionAngle = gun.changeDirectionAngle;
    record.aimSpeed = gun.aimSpeed;
    record.timeToLive = gun.timeToLive;
    record.phase = 0.0f;
    record.speed = gun.startLaserSpeed * beamSpeedFactor;
    if (!gun.isPlasma) {
        record.changeDirectionType = 1;
        record.changeDirectionDuration = 0.0f;
    }
}

void emitFromStart(Ogre::ParticleSystem* system)
{
    system->setEmitting(true);
    setFirstEmitterEnabled(system, true);
}

// Adds the point to the spline and its distance from the last to the length.
void extend(Ogre::SimpleSpline& spline, const Ogre::Vector3& point, float& length)
{
    length += point.distance(spline.getPoint(spline.getNumPoints() - 1));
    spline.addPoint(point);
}

void placeLaserEnds(Weapon& gun)
{
    if (gun.laserStartParticles && gun.laserStartNode) {
        if (gun.isFiring)
            gun.laserStartNode->setPosition(Ogre::Vector3::ZERO);
        emitFromStart(gun.laserStartParticles);
        gun.laserStartNode->setScale(Ogre::Vector3(gun.bulletScale * gun.laserIntensity));
    }
    if (!gun.laserEndNode)
        return;
    gun.laserEndNode->setPosition(gun.laserEndPoint);
    gun.laserEndNode->setOrientation(gun.beams.back()->node->_getDerivedOrientation());
    if (gun.laserEndParticles) {
        const float ownerScale = gun.parentNode ? gun.parentNode->_getDerivedScale().x : 1.0f;
        gun.laserEndNode->setScale(Ogre::Vector3(gun.bulletScale * gun.laserIntensity * ownerScale));
        emitFromStart(gun.laserEndParticles);
    }
}

void orderLaserObjects(Weapon& gun)
{
    const auto place = [](Ogre::MovableObject* object, std::uint8_t group, Ogre::ushort priority) {
        if (object)
            object->setRenderQueueGroupAndPriority(group, priority);
    };
    if (gun.isPlayerWeapon) {
        const bool onTop = gun.game && gun.game->isBulletOnTopOfPlayer;
        const std::uint8_t group = playerShotEffectGroup(gun.level);
        place(gun.laserObject, group, onTop ? playerBeamPriorityOnTop : playerBeamPriority);
        place(gun.laserEndParticles, group, onTop ? playerBeamEffectPriorityOnTop : playerBeamEffectPriority);
        place(gun.laserStartParticles, group, onTop ? playerBeamEffectPriorityOnTop : playerBeamEffectPriority);
        place(gun.laserImpactParticles, group, onTop ? playerBeamImpactPriorityOnTop : playerBeamImpactPriority);
        return;
    }
    const unsigned layer =
        gun.level ? std::max<unsigned>(gun.level->playerLayerIndex, gun.level->topWaveLayerIndex) : 0u;
    const std::uint8_t group = shotEffectGroup(layer);
    place(gun.laserObject, group, enemyBeamPriority);
    for (Ogre::MovableObject* system : {gun.laserEndParticles, gun.laserStartParticles, gun.laserImpactParticles})
        place(system, group, enemyBeamEffectPriority);
}

} // namespace

void Weapon::fireLaser(const Ogre::Vector3& position, const Ogre::Vector3& direction)
{
    if (isEnemyHolding(*this) || !sceneNode || !parentNode || !sceneManager)
        return;
    auto* record = new bullet();
    beams.push_front(record);
    record->isLaser = 1;
    record->sceneManager = sceneManager;
    copyFlight(*record, *this, direction);
    record->aimPoint = shotAimPoint(direction, parentNode->_getDerivedPosition());
    record->createNode();

    const float scale = parentNode->_getDerivedScale().x * bulletScale * beamScaleFactor;
    if (isPlasma) {
        Ogre::Vector3 still = Ogre::Vector3::ZERO;
        record->launch(this, position, scale, still, nullptr, bulletDefinition);
    } else {
        Ogre::Vector3 ahead = direction.normalisedCopy();
        record->launch(this, Ogre::Vector3::ZERO, scale, ahead, sceneNode, bulletDefinition);
    }
    if (record->obb && laserTextureAspect != 0.0f) {
        record->obb->size.x /= laserTextureAspect;
        record->obb->setPosition();
    }
    startMuzzleEffects();
    startLaserSound();
}

void Weapon::updateLasers(double dt)
{
    if (beams.empty()) {
        if (laserObject)
            laserObject->clear();
        for (Ogre::ParticleSystem* system : {laserEndParticles, laserStartParticles, laserImpactParticles})
            stopEmitting(system);
        return;
    }
    if (!sceneNode)
        return;
    const float sideScale = sceneNode->_getDerivedScale().x;
    float length = 0.0f;
    beamSpline.setAutoCalculate(false);
    beamSpline.clear();
    beamSpline.addPoint(sceneNode->_getDerivedPosition());
    for (std::size_t i = 0; i < beams.size(); i += 2) {
        if (!isFiring)
            beams[i]->timeToLive = releasedRecordLife;
        extend(beamSpline, beams[i]->node->_getDerivedPosition(), length);
    }
    if (beams.size() % 2 == 0 && beams.back()->isVisible)
        extend(beamSpline, beams.back()->node->_getDerivedPosition(), length);
    if (laserEndPoint.distance(beamSpline.getPoint(beamSpline.getNumPoints() - 1)) > endPointTolerance)
        extend(beamSpline, laserEndPoint, length);
    beamSpline.recalcTangents();

    const float step = static_cast<float>(dt);
    const bool isGrowing = cycleState == cycleShooting && !isEnemyHolding(*this);
    if (isGrowing) {
        laserIntensity = std::min(laserIntensity + step * growthPerSecond, 1.0f);
    } else {
        if (laserIntensity > faintestFading)
            laserIntensity -= step * fadePerSecond;
        if (laserIntensity < faintestShown) {
            if (laserEndNode)
                laserEndNode->setScale(Ogre::Vector3(hiddenEndScale));
            stopLasers();
            return;
        }
    }
    if (laserObject)
        drawLaserStrip(*this, laserSegmentCount(length), sideScale);
    placeLaserEnds(*this);
}

void Weapon::stopLasers()
{
    // A beam record's destructor releases its node and effects.
    for (bullet* record : beams)
        delete record;
    beams.clear();
    if (laserObject) {
        laserObject->clear();
        orderLaserObjects(*this);
    }
    for (Ogre::ParticleSystem* system : {laserEndParticles, laserStartParticles, laserImpactParticles})
        stopEmitting(system);
    laserHitTime = 0.0;
    laserIntensity = 0.0f;
}

