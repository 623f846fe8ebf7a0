// A trigger's world for tests: the Game bound to a render-less scene with the
// level's camera rig ("PlayCam", "CamNode1", the wide frustum), a Level and a
// Player, and triggers made on it that the scene tears down.
#pragma once

#include "WorldTestScene.h"

#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Trigger.h"
#include "world/link.h"

#include <OgreCamera.h>
#include <OgreFrustum.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class TriggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.sceneManager = world.scene;
        game.aspectRatio = 16.0f / 9.0f;
        camera.setupScene();
        camera.createFrustumVisual();
        world.updateTransforms();
        level.camera = &camera;
        level.state = &state;
        game.level = &level;
        game.player = &player;
        player.status = 2;
        game.gameMode = 7;
        game.totalScore = 0;
        state.updateWaves(0.0); // no waves of an earlier test counted
    }
    void TearDown() override
    {
        for (Trigger* trigger : state.triggers)
            delete trigger;
        state.triggers.clear();
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
    }

    // A point the wide frustum sees, or one behind the camera.
    Ogre::Vector3 inView() const { return eye() + forward() * 200.0f; }
    Ogre::Vector3 outOfView() const { return eye() - forward() * 200.0f; }

    // A trigger of the type placed at the point and reset, listed in the play state.
    Trigger* place(std::uint32_t type, std::uint32_t activation, const Ogre::Vector3& at)
    {
        Trigger* trigger = newTrigger(type, "T" + std::to_string(state.triggers.size() + 1));
        trigger->activation_type = activation;
        trigger->setupScene(at);
        state.triggers.push_back(trigger);
        state.buildTriggerUpdateList();
        world.updateTransforms();
        trigger->reset();
        return trigger;
    }

    // A wave that outlives the test's triggers, whose links reach into it.
    Wave& addWave(std::uint32_t status = 0)
    {
        waves.push_back(std::make_unique<Wave>("W" + std::to_string(waves.size() + 1)));
        waves.back()->status = status;
        return *waves.back();
    }

    // An outgoing link from the trigger to the target, as the level links them.
    static void linkOut(Trigger& trigger, entity& target)
    {
        auto* out = new class link("out");
        out->fromEntity = &trigger;
        out->toEntity = &target;
        trigger.outgoingLinks.push_back(out);
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    GameCamera camera;
    Level level;
    playState state;
    Player player;
    std::vector<std::unique_ptr<Wave>> waves;

private:
    // The wide frustum looks down its node's -Z.
    Ogre::Vector3 eye() const { return camera.wideFrustum->getParentSceneNode()->_getDerivedPosition(); }
    Ogre::Vector3 forward() const
    {
        return camera.wideFrustum->getParentSceneNode()->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    }
};
