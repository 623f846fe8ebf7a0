// The play world holds more solid scenery than a 16-bit broadphase can:
// every body gets its place, and a ray finds the last one added.
#include "play/PhysicsWorld.h"

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(PhysicsWorld, TwentyThousandStaticBodiesAllJoinTheWorldAndAreHit)
{
    constexpr int bodyCount = 20000;
    constexpr float spacing = 3.0f;
    PhysicsWorld physics;
    btBoxShape box(btVector3(1.0f, 1.0f, 1.0f));
    std::vector<std::unique_ptr<btDefaultMotionState>> states;
    std::vector<std::unique_ptr<btRigidBody>> bodies;
    for (int i = 0; i < bodyCount; ++i) {
        const btTransform place(btQuaternion::getIdentity(), btVector3(float(i % 200) * spacing, 0.0f,
                                                                     float(i / 200) * spacing));
        states.push_back(std::make_unique<btDefaultMotionState>(place));
        btRigidBody::btRigidBodyConstructionInfo info(0.0f, states.back().get(), &box, btVector3(0.0f, 0.0f, 0.0f));
        bodies.push_back(std::make_unique<btRigidBody>(info));
        physics.world()->addRigidBody(bodies.back().get(), 1, 6);
    }
    physics.world()->stepSimulation(1.0f / 60.0f);

    EXPECT_EQ(physics.world()->getNumCollisionObjects(), bodyCount);
    int withoutPlace = 0;
    for (const auto& body : bodies)
        withoutPlace += body->getBroadphaseHandle() == nullptr;
    EXPECT_EQ(withoutPlace, 0);
    const btVector3 last = bodies.back()->getWorldTransform().getOrigin();
    btCollisionWorld::ClosestRayResultCallback ray(last + btVector3(0.0f, 50.0f, 0.0f), last);
    // Cast as the ship's group, which the scenery collides with.
    ray.m_collisionFilterGroup = 2;
    ray.m_collisionFilterMask = 1;
    physics.world()->rayTest(ray.m_rayFromWorld, ray.m_rayToWorld, ray);
    ASSERT_TRUE(ray.hasHit());
    EXPECT_EQ(ray.m_collisionObject, bodies.back().get());
    for (const auto& body : bodies)
        physics.world()->removeRigidBody(body.get());
}
