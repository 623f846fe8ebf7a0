// A static box of scenery in a real Bullet world, in the scenery's collision
// group as a background adds its body, for ship contact tests.
#pragma once

#include <OgreVector.h>

#include <btBulletDynamicsCommon.h>

class SceneryBox {
public:
    SceneryBox(btDiscreteDynamicsWorld& world, const Ogre::Vector3& centre, float halfSize)
        : world(world), shape(btVector3(halfSize, halfSize, halfSize)),
          motion(btTransform(btQuaternion::getIdentity(), btVector3(centre.x, centre.y, centre.z))),
          body(btRigidBody::btRigidBodyConstructionInfo(0.0f, &motion, &shape))
    {
        constexpr int sceneryGroup = 1;
        constexpr int touchedBy = 6; // the ship's group 2 among them
        world.addRigidBody(&body, sceneryGroup, touchedBy);
    }
    ~SceneryBox() { world.removeRigidBody(&body); }
    SceneryBox(const SceneryBox&) = delete;
    SceneryBox& operator=(const SceneryBox&) = delete;

private:
    btDiscreteDynamicsWorld& world;
    btBoxShape shape;
    btDefaultMotionState motion;
    btRigidBody body;
};
