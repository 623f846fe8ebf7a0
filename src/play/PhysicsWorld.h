// The Bullet world a level's bodies live in (the ship, the solid scenery) and
// the parts it is made of, created together and deleted in reverse order.
// Its broadphase is Bullet's dynamic tree: a level may hold any number of
// solid objects, where the 16-bit sweep-and-prune stops at 16384.
#pragma once

#include <memory>

class btBroadphaseInterface;
class btCollisionConfiguration;
class btCollisionDispatcher;
class btConstraintSolver;
class btDiscreteDynamicsWorld;

class PhysicsWorld {
public:
    // A world without gravity.
    PhysicsWorld();
    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    btDiscreteDynamicsWorld* world() const { return dynamicsWorld.get(); }

private:
    // Declared in creation order: members are destroyed in reverse.
    std::unique_ptr<btBroadphaseInterface> broadphase;
    std::unique_ptr<btCollisionConfiguration> collisionConfiguration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> dynamicsWorld;
};
