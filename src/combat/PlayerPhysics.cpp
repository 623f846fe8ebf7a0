// The ship's Bullet body in the level's world: a capsule around the mesh that
// follows the ship's node before each step, moves the node after it, and
// turns contacts with scenery into particles, a sound and background damage.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "play/Level.h"
#include "world/meshShapeBuilder.h"
#include "world/sfxManager.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr btScalar shipMass = 0.1f;
// The ship's body meets the scenery's group only.
constexpr int shipCollisionGroup = 2;
constexpr int shipCollisionMask = 1;
// Asked for as (10.9, 1.0); Bullet clamps both to 1, which stops the body
// again after every step: the node drives it, contacts only push.
constexpr btScalar shipLinearDamping = 10.9f;
constexpr btScalar shipAngularDamping = 1.0f;
// The capsule sits a little inside the mesh's outline.
constexpr float capsuleShrink = 0.85f;
// A scenery contact wears off at half the rate it builds up.
constexpr double contactDecayRate = 0.5;
// The collision sound plays without a position, at the library's volume.
constexpr float libraryVolume = 0.0f;

btVector3 toBullet(const Ogre::Vector3& value) { return {value.x, value.y, value.z}; }

bool isUsableScale(const Ogre::Vector3& scale)
{
    return std::isfinite(scale.x) && std::isfinite(scale.y) && std::isfinite(scale.z) && scale.x != 0.0f &&
           scale.y != 0.0f && scale.z != 0.0f;
}

// The mesh's bounds in its own space; a sprite plane is as deep as its node
// stretches the texture.
Ogre::Vector3 capsuleSize(const Player& ship)
{
    Ogre::Vector3 size = ship.meshEntity->getBoundingBox().getSize();
    if (!ship.spriteName.empty() && ship.entityNode && ship.entityNode->getScale().x != 0.0f)
        size.z *= ship.entityNode->getScale().z / ship.entityNode->getScale().x;
    return size;
}

Ogre::Vector3 meshCentre(const Player& ship)
{
    const Ogre::AxisAlignedBox& bounds = ship.meshEntity->getBoundingBox();
    return bounds.isFinite() ? bounds.getCenter() : Ogre::Vector3::ZERO;
}

// Places the capsule in the compound at the mesh's centre, scaled like the
// mesh node; the centre's y flips with a mirrored ship.
void fitCapsule(Player& ship)
{
    // The ship's node may have been scaled since the last frame's update.
    if (ship.sceneNode)
        ship.sceneNode->_update(true, false);
    const Ogre::Vector3 worldScale = ship.entityNode->_getDerivedScale();
    // A zero scale (a ship shrunk away) would leave Bullet's capsule with no
    // size to scale back from: it keeps its last one.
    if (!isUsableScale(worldScale))
        return;
    Ogre::Vector3 origin = meshCentre(ship) * worldScale;
    if (ship.symmetry < 1)
        origin.y = -origin.y;
    btTransform place;
    place.setIdentity();
    place.setOrigin(toBullet(origin));
    ship.compoundShape->removeChildShape(ship.capsuleShape);
    ship.compoundShape->addChildShape(place, ship.capsuleShape);
    ship.capsuleShape->setLocalScaling(toBullet(worldScale * capsuleShrink));
}

bool isShipManifold(const btPersistentManifold& manifold, const btRigidBody* body)
{
    return manifold.getBody0() == body || manifold.getBody1() == body;
}

} // namespace

void Player::createPhysicsBody()
{
    destroyPhysicsBody();
    btDiscreteDynamicsWorld* world = level ? level->physicsWorld : nullptr;
    if (!meshEntity || !world)
        return;
    compoundShape = new btCompoundShape(true);
    {
        meshShapeBuilder builder(meshEntity, Ogre::Matrix4::IDENTITY);
        capsuleShape = builder.createCapsuleFromSize(capsuleSize(*this));
    }
    btVector3 inertia(0.0f, 0.0f, 0.0f);
    capsuleShape->calculateLocalInertia(shipMass, inertia);
    btTransform identity;
    identity.setIdentity();
    compoundShape->addChildShape(identity, capsuleShape);
    compoundShape->calculateLocalInertia(shipMass, inertia);
    motionState = new btDefaultMotionState();
    body = new btRigidBody(btRigidBody::btRigidBodyConstructionInfo(shipMass, motionState, compoundShape, inertia));
    body->forceActivationState(DISABLE_SIMULATION);
    world->addRigidBody(body, shipCollisionGroup, shipCollisionMask);
    body->setWorldTransform(identity);
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setDamping(shipLinearDamping, shipAngularDamping);
}

void Player::destroyPhysicsBody()
{
    if (body && level && level->physicsWorld)
        level->physicsWorld->removeRigidBody(body);
    delete body;
    delete motionState;
    delete capsuleShape;
    delete compoundShape;
    body = nullptr;
    motionState = nullptr;
    capsuleShape = nullptr;
    compoundShape = nullptr;
}

void Player::syncScale()
{
    if (entityNode) {
        const Ogre::Vector3 nodeScale = entityNode->getScale();
        entityNode->setScale(nodeScale.x, static_cast<float>(symmetry), nodeScale.z);
    }
    if (body && meshEntity && entityNode)
        fitCapsule(*this);
    if (sceneNode)
        sceneNode->setOrientation(orientation);
    syncPhysicsTransform();
}

void Player::syncPhysicsTransform()
{
    if (!body || !sceneNode)
        return;
    const Ogre::Vector3 at = sceneNode->_getDerivedPosition();
    const Ogre::Quaternion turn = sceneNode->_getDerivedOrientation();
    body->setCenterOfMassTransform(btTransform(btQuaternion(turn.x, turn.y, turn.z, turn.w), toBullet(at)));
}

void Player::syncFromPhysics()
{
    if (status != statusPlaying || !motionState || !sceneNode)
        return;
    btTransform placed;
    motionState->getWorldTransform(placed);
    const btVector3& at = placed.getOrigin();
    const Ogre::Vector3 position(at.x(), at.y(), at.z());
    if (position.isNaN())
        return;
    sceneNode->_setDerivedPosition(position);
}

void Player::checkPhysicsContacts(double dt)
{
    if (status != statusPlaying)
        return;
    btDiscreteDynamicsWorld* world = level ? level->physicsWorld : nullptr;
    if (body && world) {
        btDispatcher& dispatcher = *world->getDispatcher();
        for (int i = 0; i < dispatcher.getNumManifolds(); ++i) {
            const btPersistentManifold& manifold = *dispatcher.getManifoldByIndexInternal(i);
            if (!isShipManifold(manifold, body))
                continue;
            for (int j = 0; j < manifold.getNumContacts(); ++j) {
                const btManifoldPoint& point = manifold.getContactPoint(j);
                if (point.getDistance() >= 0.0f)
                    continue;
                const btVector3& at = point.getPositionWorldOnA();
                if (level->effects)
                    level->effects->emitParticleItem(Ogre::Vector3(at.x(), at.y(), at.z()));
                isTouched = true;
            }
        }
    }

    if (isTouched) {
        backgroundContactTime += static_cast<float>(dt);
        if (BgCollisionDamage > 0)
            hit(BgCollisionDamage, hitContact, previousPosition);
        if (!isInContact)
            playSound(collisionSound, libraryVolume, noSoundPosition, false);
        isInContact = true;
    } else {
        isInContact = false;
        backgroundContactTime = std::max(backgroundContactTime - static_cast<float>(dt * contactDecayRate), 0.0f);
    }
    if (sceneNode)
        velocity = sceneNode->_getDerivedPosition() - previousPosition;
}
