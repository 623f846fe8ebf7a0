#include "play/PhysicsWorld.h"

#include <btBulletDynamicsCommon.h>

namespace {

constexpr int physicsPoolSize = 4096;

std::unique_ptr<btCollisionConfiguration> collisionConfigurationOfPlay()
{
    btDefaultCollisionConstructionInfo info;
    info.m_defaultMaxPersistentManifoldPoolSize = physicsPoolSize;
    info.m_defaultMaxCollisionAlgorithmPoolSize = physicsPoolSize;
    info.m_useEpaPenetrationAlgorithm = 1;
    return std::make_unique<btDefaultCollisionConfiguration>(info);
}

} // namespace

PhysicsWorld::PhysicsWorld()
    : broadphase(std::make_unique<btDbvtBroadphase>()), collisionConfiguration(collisionConfigurationOfPlay()),
      dispatcher(std::make_unique<btCollisionDispatcher>(collisionConfiguration.get())),
      solver(std::make_unique<btSequentialImpulseConstraintSolver>()),
      dynamicsWorld(std::make_unique<btDiscreteDynamicsWorld>(dispatcher.get(), broadphase.get(), solver.get(),
                                                              collisionConfiguration.get()))
{
    dynamicsWorld->setGravity(btVector3(0.0f, 0.0f, 0.0f));
}

PhysicsWorld::~PhysicsWorld() = default;
