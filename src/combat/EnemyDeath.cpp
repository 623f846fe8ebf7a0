// The enemy's death effects: the explosions over its body and snake
// segments, and a snake's spin, drift and shrink while it dies.
#include "combat/Enemy.h"

#include "combat/Wave.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/RenderQueueGroups.h"
#include "world/sfxManager.h"

#include <OgreMath.h>
#include <OgreMovableObject.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>

namespace {

// Explosions of one enemy are at least this far apart in time.
constexpr float explosionInterval = 0.5f;
// rand() as a share of 1 and as an angle of a whole turn.
constexpr float randomShare = 3.0518509e-5f;
constexpr float randomTurn = 0.00019175345f;
// Explosions burst a unit above the body.
constexpr float explosionRise = 1.0f;
// The explosions of one enemy start one after another.
constexpr float explosionStagger = 0.05f;
// Render priorities of the explosions: layered enemies draw them just above
// themselves, others above the unlayered objects; segments above the head.
constexpr std::uint16_t layeredExplosionPriorityStep = 3;
constexpr std::uint16_t unlayeredExplosionPriority = 10000;
constexpr std::uint16_t segmentExplosionPriorityStep = 10;
// The death spin is deathRotation x 100 degrees per second, the drift
// deathTranslation x 5 units per second.
constexpr float deathSpinDegrees = 100.0f;
constexpr float deathDriftUnits = 5.0f;
constexpr float degreesToRadians = 0.017453292f;

Ogre::Vector3 explosionCentre(const Enemy& enemy)
{
    if (enemy.movableObject)
        return enemy.movableObject->getWorldBoundingBox(true).getCenter();
    return enemy.sceneNode ? enemy.sceneNode->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

// The smoothstep that shrinks a dying part: 1 at u = 1, 0 at u = 0.
float shrinkOf(double u)
{
    return static_cast<float>(std::max(0.0, (3.0 - 2.0 * u) * u * u));
}

void spawnExplosion(Enemy& enemy, Ogre::Vector3 where, std::uint16_t priority, float delay)
{
    const Wave& wave = *enemy.wave;
    enemy.level->effects->spawn(wave.explosionName, where, wave.explosionScale, !enemy.isGround,
                                renderQueueGroupOf(enemy.layer), priority, delay);
}

} // namespace

void Enemy::explode()
{
    if (explosionCooldown > 0.0f)
        return;
    explosionCooldown = explosionInterval;
    if (!wave || !level || !level->effects)
        return;
    const Ogre::Vector3 centre = explosionCentre(*this);
    const auto bodyPriority = static_cast<std::uint16_t>(isLayered ? priority + layeredExplosionPriorityStep
                                                                   : unlayeredExplosionPriority + priority);
    for (std::int32_t i = 0; i < wave->explosionNumber; ++i) {
        const float radius = static_cast<float>(platform::rand()) * randomShare * wave->explosionRadius;
        const float angle = static_cast<float>(platform::rand()) * randomTurn;
        const Ogre::Vector3 point(centre.x + std::sin(angle) * radius, centre.y + explosionRise,
                                  centre.z + std::cos(angle) * radius);
        spawnExplosion(*this, point, bodyPriority, static_cast<float>(i) * explosionStagger);
    }
    for (std::size_t i = 0; i < segmentOffsetNodes.size(); ++i) {
        const Ogre::Vector3 point = segmentOffsetNodes[i]->_getDerivedPosition() + Ogre::Vector3(0.0f, explosionRise, 0.0f);
        const auto step = static_cast<int>(i);
        const auto segmentPriority = static_cast<std::uint16_t>(
            isLayered ? unlayeredExplosionPriority + priority + step : priority + segmentExplosionPriorityStep + step);
        spawnExplosion(*this, point, segmentPriority, static_cast<float>(i * segmentDeathInterval * 0.5));
    }
}

// Only a snake moves while it dies; its segments shrink out head first.
void Enemy::updateDeath(double dt)
{
    if (!isSnake || !spinNode || !sceneNode)
        return;
    if (deathTimer <= destructionTime + segmentDeathInterval + extraDeathTime) {
        const double spin = deathSpinDegrees * dt * degreesToRadians;
        spinNode->yaw(Ogre::Radian(static_cast<float>(deathRotation.x * spin)));
        spinNode->pitch(Ogre::Radian(static_cast<float>(deathRotation.y * spin)));
        spinNode->roll(Ogre::Radian(static_cast<float>(deathRotation.z * spin)));
        sceneNode->translate(deathTranslation * deathDriftUnits * static_cast<float>(dt), Ogre::Node::TS_PARENT);
    }
    if (!wave || wave->killedBehavior != Wave::killedHidesMembers || segmentDeathInterval <= 0.0)
        return;
    if (timeAfterDestruction < segmentDeathInterval && bodyNode)
        bodyNode->setScale(Ogre::Vector3(shrinkOf(1.0 - timeAfterDestruction / segmentDeathInterval)));
    for (std::size_t i = 0; i < segmentNodes.size(); ++i) {
        const double shrinking = std::clamp(deathTimer - i * segmentDeathInterval * 0.5, 0.0, 1.0);
        const double c = std::min(shrinking, segmentDeathInterval);
        segmentNodes[i]->setScale(Ogre::Vector3(shrinkOf(1.0 - c / segmentDeathInterval)));
    }
}
