// The ship's death sequence: explosions, a tumble, a shrink to nothing, then
// a life lost and the play flow told whether a continue is offered.
#include "combat/Player.h"

#include "combat/rotor.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "data/AttributeValues.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/RenderQueueGroups.h"
#include "world/sfxManager.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

#include <cmath>

namespace {

// rand() scaled to 0..1 and to 0..2 pi.
constexpr float randomFraction = 3.051851e-5f;
constexpr float randomAngle = 0.00019175345f;
// Explosions rise a little above the ship's centre.
constexpr float explosionLift = 1.0f;
constexpr std::uint16_t explosionPriority = 60000;
// deathRotation is in hundreds of degrees per second, deathTranslation in
// fifths of a unit per second.
constexpr double tumbleDegreesPerUnit = 100.0;
constexpr double driftPerUnit = 5.0;

// The centre of the mesh's world bounds; the node's place when it has none.
Ogre::Vector3 meshCentre(const Player& ship)
{
    if (ship.meshEntity) {
        const Ogre::AxisAlignedBox& bounds = ship.meshEntity->getWorldBoundingBox(true);
        if (bounds.isFinite())
            return bounds.getCenter();
    }
    return ship.sceneNode ? ship.sceneNode->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

void spawnExplosions(Player& ship)
{
    if (!ship.level || !ship.level->effects)
        return;
    const Ogre::Vector3 centre = meshCentre(ship);
    for (std::int32_t i = 0; i < ship.explosionNumber; ++i) {
        const float radius = static_cast<float>(platform::rand()) * randomFraction * ship.explosionRadius;
        const float angle = static_cast<float>(platform::rand()) * randomAngle;
        Ogre::Vector3 at(centre.x + std::sin(angle) * radius, centre.y + explosionLift,
                         centre.z + std::cos(angle) * radius);
        ship.level->effects->spawn(ship.explosionName, at, ship.explosionScale, true,
                                   renderQueueGroupOf(ship.layer), explosionPriority, 0.0f);
    }
}

void startDeath(Player& ship)
{
    ship.isDeathStarted = true;
    if (ship.aimNode)
        ship.aimNode->setVisible(false);
    // The children only: the ship's own status stays dying.
    for (auto& child : ship.children)
        child.second->setStatus(static_cast<int>(Player::statusWaiting));
    ship.resetWeapons();
    spawnExplosions(ship);
}

// The ship turns and drifts while it explodes.
void tumble(Player& ship, double dt)
{
    if (ship.deathElapsed > ship.destructionTime + ship.shrinkDuration || !ship.sceneNode)
        return;
    const double degrees = tumbleDegreesPerUnit * dt;
    ship.animationNode->yaw(Ogre::Degree(static_cast<float>(ship.deathRotation.x * degrees)));
    ship.animationNode->pitch(Ogre::Degree(static_cast<float>(ship.deathRotation.y * degrees)));
    ship.animationNode->roll(Ogre::Degree(static_cast<float>(ship.deathRotation.z * degrees)));
    ship.sceneNode->translate(ship.deathTranslation * static_cast<float>(driftPerUnit * dt), Ogre::Node::TS_PARENT);
}

// Down to nothing along a smooth step.
void shrink(Player& ship, double dt)
{
    ship.shrinkElapsed += dt;
    if (ship.shrinkElapsed > ship.shrinkDuration || ship.shrinkDuration == 0.0 || !ship.sceneNode)
        return;
    const auto t = static_cast<float>(1.0 - ship.shrinkElapsed / ship.shrinkDuration);
    ship.sceneNode->setScale(ship.scale * ((3.0f - 2.0f * t) * t * t));
}

// The ship gone: a life lost; the play flow waits to respawn it or offers a continue.
void finishDeath(Player& ship)
{
    if (ship.sceneNode)
        ship.sceneNode->setScale(Ogre::Vector3::ZERO);
    ship.setVisible(false);
    ship.shrinkElapsed = ship.shrinkDuration;
    ship.deathElapsed = ship.destructionTime;
    Game& game = *Game::getSingletonPtr();
    game.loseLife();
    if (game.currentLives >= 1) {
        game.setGameState(gameModePlayerDying);
        ship.status = Player::statusWaiting;
        return;
    }
    ship.status = Player::statusOut;
    game.setGameState(gameModeContinueOffer);
    if (ship.meshEntity)
        ship.meshEntity->setVisible(false);
    ship.followCameraNode(false);
    for (rotor* part : ship.rotors)
        if (part->node)
            part->node->setVisible(false);
}

} // namespace

void Player::updateDeath(double dt)
{
    if (dt == 0.0)
        return;
    if (!isDeathStarted)
        startDeath(*this);
    deathElapsed += dt;
    isBlinking = true;
    if (body)
        body->forceActivationState(DISABLE_DEACTIVATION);
    tumble(*this, dt);
    if (deathElapsed > destructionTime)
        shrink(*this, dt);
    if (deathElapsed >= destructionTime && shrinkElapsed >= shrinkDuration)
        finishDeath(*this);
    setWeaponLevel(truncatedInto<int>(Game::getSingletonPtr()->baseWeaponLevel, 0));
}
