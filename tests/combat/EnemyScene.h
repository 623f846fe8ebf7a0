// A play scene for enemy tests without a window: the ship scene's camera
// rig, Level, Bullet world and play ship, with one wave whose member 0 is
// placed in the scene under a node of its own ("shipFalcon.mesh" unless the
// test names another mesh). The Game settings enemies read are put back when
// the scene ends.
#pragma once

#include "combat/PlayerControlScene.h"
#include "combat/PlayerScene.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreSceneManager.h>

#include <string>

class EnemyScene {
public:
    explicit EnemyScene(const std::string& meshName = "shipFalcon.mesh")
    {
        game.gameMode = 1;
        wave.meshName = meshName;
        wave.level = &ship.level;
        wave.sceneManager = ship.world.scene;
        wave.members.push_back(new Enemy());
        member().wave = &wave;
        member().members = &wave.members;
        member().waypoints = &wave.waypoints;
        // Tests of the lifecycle move the member by hand, without a path.
        member().isSteering = 1;
        parent = ship.world.addNode(inView());
        ship.state.waves.push_back(&wave);
        ship.level.waves.push_back(&wave);
    }
    ~EnemyScene()
    {
        for (Enemy* enemy : wave.members)
            enemy->destroyGraphics();
    }
    EnemyScene(const EnemyScene&) = delete;
    EnemyScene& operator=(const EnemyScene&) = delete;

    Enemy& member() { return *wave.members.front(); }
    // Member 0 placed under the scene's node, its transforms brought up to date.
    Enemy& place()
    {
        member().placeInScene(parent, Ogre::Quaternion::IDENTITY, &ship.level, ship.world.scene);
        ship.world.updateTransforms();
        return member();
    }
    Ogre::Entity* mainEntity() { return static_cast<Ogre::Entity*>(member().movableObject); }

    // A point 300 units in front of the play camera (beyond the near clip of
    // the game camera's wide frustum), and one far out of its sight.
    Ogre::Vector3 inView() const
    {
        const Ogre::Camera* camera = ship.camera.playCamera;
        return camera->getDerivedPosition() + camera->getDerivedDirection() * 300.0f;
    }
    Ogre::Vector3 outOfView() const { return inView() + Ogre::Vector3(5000.0f, 0.0f, 5000.0f); }
    void moveParent(const Ogre::Vector3& position)
    {
        parent->setPosition(position);
        ship.world.updateTransforms();
    }

    PlayerScene ship{"plane1U.mesh", "interro.mesh", "shipFalcon.mesh", "rotorBlade.mesh"};
    Game& game = ship.game;
    Kept<Ogre::Vector4> enemyHitColor{game.enemyHitColor};
    Kept<bool> isChainingKillsOnly{game.isChainingKillsOnly};
    Kept<bool> isHitKeepChain{game.isHitKeepChain};
    Kept<float> isHitChainHP{game.isHitChainHP};
    Kept<float> chainDamage{game.chainDamage};
    Kept<float> chainTimer{game.chainTimer};
    Kept<float> timeBetweenChains{game.timeBetweenChains};
    Kept<bool> isOnlyBossLifebar{game.isOnlyBossLifebar};
    Kept<bool> isTestOffScreenEnemies{game.isTestOffScreenEnemies};
    Kept<bool> isPauseWhenUnseen{game.isPauseWhenUnseen};
    Kept<bool> isInvincibilityLimits{game.isInvincibilityLimits};
    Kept<Ogre::Vector4> invincibilityLimits{game.invincibilityLimits};
    Kept<bool> isRevealHiddenEnemies{game.isRevealHiddenEnemies};
    Kept<bool> isEnemyFireOutsidePlay{game.isEnemyFireOutsidePlay};
    Kept<float> waveLifeOutsideScreenTime{game.waveLifeOutsideScreenTime};
    Kept<float> enemyHitByPlayerInvincibilityDuration{game.enemyHitByPlayerInvincibilityDuration};
    Kept<float> enemyFirePause{game.enemyFirePause};
    Kept<int> gameMode{game.gameMode};
    Kept<std::int64_t> totalScore{game.totalScore};
    Kept<std::int64_t> levelScore{game.levelScore};
    Kept<double> multiplier{game.multiplier};
    Wave wave{"EnemyTestWave"};
    Ogre::SceneNode* parent = nullptr;
};
