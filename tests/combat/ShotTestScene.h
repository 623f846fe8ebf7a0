// A play scene for shot tests: the camera rig "CamNode1", the camera
// "PlayCam" above the play plane looking down, and a Level with both shot
// pools, bound to the Game as during play.
#pragma once

#include "core/GameTestSupport.h"

#include "combat/bullet.h"
#include "combat/Weapon.h"
#include "play/Level.h"
#include "world/WorldTestScene.h"

#include <memory>

class ShotTestScene {
public:
    ShotTestScene() : game(gametest::cleanGame())
    {
        game.sceneManager = world.scene;
        world.scene->getRootSceneNode()->createChildSceneNode("CamNode1");
        camera = world.addCamera("PlayCam", Ogre::Vector3(0.0f, 400.0f, 0.0f), Ogre::Vector3::ZERO);
        level = std::make_unique<Level>();
        game.level = level.get();
        level->create(world.scene);
        level->resetShotPools();
    }
    ~ShotTestScene()
    {
        level->destroy();
        game.level = nullptr;
        game.sceneManager = nullptr;
    }
    ShotTestScene(const ShotTestScene&) = delete;
    ShotTestScene& operator=(const ShotTestScene&) = delete;

    // A record of the pool launched from the position in the direction,
    // with the gun's flight settings copied in first by `setUp`.
    template <typename SetUp>
    bullet* fire(const Ogre::Vector3& position, Ogre::Vector3 direction, SetUp setUp, bool isPlayer = false)
    {
        bullet* record = level->takeBullet(isPlayer);
        if (!record)
            return nullptr;
        record->isPlayerBullet = isPlayer;
        record->velocity = direction;
        setUp(*record);
        record->launch(&gun, position, 1.0f, direction, nullptr, nullptr);
        world.updateTransforms();
        return record;
    }

    Game& game;
    WorldTestScene world;
    Ogre::Camera* camera = nullptr;
    std::unique_ptr<Level> level;
    Weapon gun;
};
