// A level's scene for wave tests without a window: the item-drop scene (the
// Game's scene, the item pool, stand-in meshes, a Level and a Player) with
// the level's camera rig and its wide frustum, and waves made on it as the
// level reader makes them: a spawner with its nodes and member 0 placed
// under the spawner node. The kill scoring the tests change is reset.
#pragma once

#include "core/ItemDropScene.h"

#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "combat/Wave.h"
#include "play/playState.h"
#include "world/GameCamera.h"

#include <OgreFrustum.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wavetest {

// Kills change these and the clean Game of each test does not cover them.
inline void resetKillScoring(Game& game)
{
    game.isChaining = game.isEnemiesTotalChaining = game.isKillFactor = false;
    game.isChainingKillsOnly = true;
    game.killFactor = game.multiplier = 1.0;
    game.killScore = game.totalScore = game.levelScore = 0;
    game.killAddGauge = 0.0;
    game.lastKillValue = game.chainTimer = game.gaugeValue = 0.0f;
    game.killedEnemyTotal = game.consecutiveKills = 0;
    game.chainCount = 0;
}

class WaveTest : public itemdroptest::ItemDropFixture {
protected:
    void SetUp() override
    {
        ItemDropFixture::SetUp();
        rig.setupScene();
        rig.createFrustumVisual();
        level.camera = &rig;
        level.state = &state;
        world.updateTransforms();
    }
    void TearDown() override
    {
        for (auto& wave : waves)
            wave->destroyGraphics();
        waves.clear();
        state.waves.clear();
        level.camera = nullptr;
        level.state = nullptr;
        resetKillScoring(game);
        ItemDropFixture::TearDown();
    }

    // A wave of the spawn count at the world point, made as the level
    // reader makes it: `prepare` sees it with its spawner and member 0
    // before it is placed; with a definition it becomes an instance of it.
    // Member 0 stands on its first formation spot; buildCopies adds the rest.
    Wave& addWave(std::uint32_t numberOfSpawns, const Ogre::Vector3& at,
                  const std::function<void(Wave&)>& prepare = {}, const Wave* definition = nullptr)
    {
        waves.push_back(std::make_unique<Wave>("WaveDefinition"));
        Wave& wave = *waves.back();
        wave.waveName = "Wave" + std::to_string(waves.size());
        wave.meshName = "interro.mesh";
        wave.level = &level;
        wave.sceneManager = world.scene;
        wave.spawner = new Spawner();
        wave.spawner->numberOfSpawns = numberOfSpawns;
        wave.spawner->position = at;
        wave.spawner->orientation = Ogre::Quaternion::IDENTITY;
        wave.spawner->createNodes(&wave.members, &level, &player);
        wave.members.push_back(new Enemy());
        if (prepare)
            prepare(wave);
        Enemy& first = *wave.members.front();
        first.wave = &wave;
        first.members = &wave.members;
        first.waypoints = &wave.waypoints;
        // Moved by hand in these tests, without a path follower.
        first.isSteering = 1;
        wave.templateObject = const_cast<Wave*>(definition);
        wave.copyFromTemplate();
        wave.bindToLevel();
        wave.placeInstance();
        if (definition) {
            wave.members.front()->setupFromDefinition(*definition->members.front(), false);
            wave.createMembers();
        }
        wave.updateMemberTransforms();
        state.waves.push_back(&wave);
        world.updateTransforms();
        return wave;
    }
    void buildCopies(Wave& wave)
    {
        wave.spawner->buildEnemies();
        world.updateTransforms();
    }

    // A point the wide frustum sees, and one behind the camera.
    Ogre::Vector3 inView() const { return eye() + forward() * 200.0f; }
    Ogre::Vector3 outOfView() const { return eye() - forward() * 200.0f; }

    GameCamera rig;
    playState state;
    std::vector<std::unique_ptr<Wave>> waves;

private:
    Ogre::Vector3 eye() const { return rig.wideFrustum->getParentSceneNode()->_getDerivedPosition(); }
    Ogre::Vector3 forward() const
    {
        return rig.wideFrustum->getParentSceneNode()->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    }
};

} // namespace wavetest
