// A play scene for shot tests without a window: the camera "PlayCam" 200
// units above the origin looking down on the play field (it sees about 147
// units to each side and 82 up and down the screen), the camera rig node
// "CamNode1" at the origin, and a Level bound to the Game whose pools are
// made on demand. Steps of 1/64 s keep every sum of steps exact, so the
// times at which changes start and end fall on step boundaries.
#pragma once

#include "world/WorldTestScene.h"

#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <deque>

class ShotFlightScene {
public:
    static constexpr double step = 1.0 / 64.0;

    ShotFlightScene()
    {
        game.sceneManager = world.scene;
        camera = world.addCamera("PlayCam", Ogre::Vector3(0.0f, 200.0f, 0.0f), Ogre::Vector3::ZERO);
        world.scene->getRootSceneNode()->createChildSceneNode("CamNode1");
        level.effects->sceneManager = world.scene;
        game.level = &level;
    }
    ~ShotFlightScene()
    {
        loose.clear();
        level.destroy();
        game.level = nullptr;
        game.sceneManager = nullptr;
    }
    ShotFlightScene(const ShotFlightScene&) = delete;
    ShotFlightScene& operator=(const ShotFlightScene&) = delete;

    // A record of no pool, as a beam's.
    bullet& looseRecord()
    {
        bullet& record = loose.emplace_back();
        record.sceneManager = world.scene;
        record.createNode();
        return record;
    }

    // Launched as a gun launches it: the unit direction as its velocity.
    static void launch(bullet& record, const Ogre::Vector3& position, Ogre::Vector3 direction, float speed)
    {
        record.speed = speed;
        record.velocity = direction;
        record.launch(nullptr, position, 1.0f, direction, nullptr, nullptr);
    }

    static void fly(bullet& record, double seconds, const Ogre::Vector3& target = Ogre::Vector3::ZERO)
    {
        for (double flown = 0.0; flown < seconds; flown += step) {
            double dt = step;
            record.update(dt, target);
        }
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    Ogre::Camera* camera = nullptr;
    Level level;
    std::deque<bullet> loose;
};
