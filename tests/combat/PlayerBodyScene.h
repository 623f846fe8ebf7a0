// The ship test scene with a mesh on the ship's mesh node, as loading the
// mesh leaves it, and the ship's body built in the level's Bullet world.
#pragma once

#include "combat/PlayerScene.h"

#include <OgreEntity.h>

class PlayerBodyScene : public PlayerScene {
public:
    // "interro.mesh" is a unit cube about the origin.
    explicit PlayerBodyScene(const char* meshName = "interro.mesh")
    {
        player.meshEntity = world.scene->createEntity("player", meshName);
        player.entityNode->attachObject(player.meshEntity);
        world.updateTransforms();
        player.createPhysicsBody();
    }
    ~PlayerBodyScene() { player.destroyPhysicsBody(); }
    PlayerBodyScene(const PlayerBodyScene&) = delete;
    PlayerBodyScene& operator=(const PlayerBodyScene&) = delete;

    int activation() const { return player.body->getActivationState(); }
};
