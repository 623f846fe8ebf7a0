// The static Bullet body of a background: a compound holding one shape made
// from the background's collision mesh, kept where the node is.
#include "world/background.h"

#include "app/Log.h"
#include "play/Level.h"
#include "world/CollisionMesh.h"
#include "world/meshShapeBuilder.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

namespace {

btVector3 toBullet(const Ogre::Vector3& value) { return {value.x, value.y, value.z}; }

btDiscreteDynamicsWorld* worldOf(const Level* level) { return level ? level->physicsWorld : nullptr; }

} // namespace

btCollisionShape* background::buildShape(Ogre::Entity* source)
{
    meshShapeBuilder builder(source, Ogre::Matrix4::IDENTITY);
    if (!builder.hasTriangles())
        return nullptr;
    switch (collisionType) {
    case collisionTrimesh:
        return isSprite() ? static_cast<btCollisionShape*>(builder.createBox()) : builder.createTrimesh();
    case collisionConvex:
        return isSprite() ? static_cast<btCollisionShape*>(builder.createBox()) : builder.createConvex();
    case collisionSphere:
        return builder.createSphere();
    case collisionBox:
        return builder.createBox();
    default:
        return builder.createCapsule();
    }
}

void background::createCollisionBody()
{
    if (collisionType < collisionTrimesh || collisionType > collisionCapsule)
        return;
    destroyCollisionBody();
    btDiscreteDynamicsWorld* world = worldOf(level);
    // A body exists only in the level's world; without one there is nothing to collide with.
    if (!world || !movableObject)
        return;
    const Ogre::MeshPtr source = loadCollisionMesh(collisionMeshName)
                                     ? Ogre::MeshManager::getSingleton().getByName(collisionMeshName, "GAMERSC")
                                     : meshEntity()->getMesh();
    Ogre::Entity* temporary = sceneManager->createEntity(source);
    collisionShape = buildShape(temporary);
    sceneManager->destroyEntity(temporary);
    // A cut or garbled mesh: Bullet cannot shape nothing, and the scenery
    // stays without a body.
    if (!collisionShape) {
        logLine("[ERROR] collision mesh without triangles, no body: " + source->getName());
        return;
    }
    collisionShape->setLocalScaling(toBullet(scale));

    compoundShape = new btCompoundShape(true);
    compoundShape->addChildShape(btTransform::getIdentity(), collisionShape);
    motionState = new btDefaultMotionState();
    btRigidBody::btRigidBodyConstructionInfo info(0.0f, motionState, compoundShape, btVector3(0.0f, 0.0f, 0.0f));
    rigidBody = new btRigidBody(info);
    world->addRigidBody(rigidBody, 1, 6);
}

void background::syncCollisionBody()
{
    if (rigidBody && movableObject) {
        const bool fromMesh = collisionType == collisionTrimesh || collisionType == collisionConvex;
        const Ogre::Vector3 centre = fromMesh ? Ogre::Vector3::ZERO : movableObject->getBoundingBox().getCenter();
        bodyOffset = centre * scale;
        collisionShape->setLocalScaling(btVector3(scale.x, scale.x, scale.x));
        compoundShape->removeChildShapeByIndex(0);
        compoundShape->addChildShape(btTransform(btQuaternion::getIdentity(), toBullet(bodyOffset)),
                                     collisionShape);
        const Ogre::Vector3 position = sceneNode->_getDerivedPosition();
        const Ogre::Quaternion turn = sceneNode->_getDerivedOrientation();
        const btTransform placed(btQuaternion(turn.x, turn.y, turn.z, turn.w), toBullet(position));
        rigidBody->setWorldTransform(placed);
        motionState->setWorldTransform(placed);
        // The broadphase learns of a static body's move only when asked.
        if (btDiscreteDynamicsWorld* world = worldOf(level))
            world->updateSingleAabb(rigidBody);
    }
    if (movableObject) {
        const Ogre::Sphere& sphere = movableObject->getWorldBoundingSphere(true);
        boundingRadius = sphere.getRadius();
        boundingCentre = sphere.getCenter();
    }
}

void background::destroyCollisionBody()
{
    if (rigidBody) {
        if (btDiscreteDynamicsWorld* world = worldOf(level))
            world->removeRigidBody(rigidBody);
    }
    delete rigidBody;
    delete collisionShape;
    delete compoundShape;
    delete motionState;
    rigidBody = nullptr;
    collisionShape = nullptr;
    compoundShape = nullptr;
    motionState = nullptr;
}
