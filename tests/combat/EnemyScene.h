// A play scene for enemy tests without a window: the ship scene's camera
// rig, Level, Bullet world and play ship, with one wave whose member 0 is
// placed in the scene under a node of its own ("shipFalcon.mesh" unless the
// test names another mesh). The Game settings enemies read are put back when
// the scene ends.
#pragma once

#include "combat/PlayerScene.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>

#include <string>

class EnemyScene {
public:
    explicit EnemyScene(const std::string& meshName = "shipFalcon.mesh")
    {
        wave.meshName = meshName;
        wave.level = &ship.level;
        wave.sceneManager = ship.world.scene;
        wave.members.push_back(new Enemy());
        member().wave = &wave;
        member().members = &wave.members;
        member().waypoints = &wave.waypoints;
        // Tests of the lifecycle move the member by hand, without a path.
        member().isSteering = 1;
        parent = ship.world.addNode(Ogre::Vector3(0.0f, 0.0f, -20.0f));
        ship.state.waves.push_back(&wave);
        ship.level.waves.push_back(&wave);
    }
    ~EnemyScene()
    {
        for (Enemy* enemy : wave.members)
            enemy->destroyGraphics();
        game.enemyHitColor = savedSettings.enemyHitColor;
        game.isChainingKillsOnly = savedSettings.isChainingKillsOnly;
        game.isHitKeepChain = savedSettings.isHitKeepChain;
        game.isHitChainHP = savedSettings.isHitChainHP;
        game.chainDamage = savedSettings.chainDamage;
        game.isOnlyBossLifebar = savedSettings.isOnlyBossLifebar;
        game.isTestOffScreenEnemies = savedSettings.isTestOffScreenEnemies;
        game.isPauseWhenUnseen = savedSettings.isPauseWhenUnseen;
        game.isInvincibilityLimits = savedSettings.isInvincibilityLimits;
        game.invincibilityLimits = savedSettings.invincibilityLimits;
        game.isRevealHiddenEnemies = savedSettings.isRevealHiddenEnemies;
        game.isEnemyFireOutsidePlay = savedSettings.isEnemyFireOutsidePlay;
        game.waveLifeOutsideScreenTime = savedSettings.waveLifeOutsideScreenTime;
        game.enemyHitByPlayerInvincibilityDuration = savedSettings.enemyHitByPlayerInvincibilityDuration;
        game.isGauge = savedSettings.isGauge;
        game.isGaugeActive = savedSettings.isGaugeActive;
        game.gaugeValue = savedSettings.gaugeValue;
        game.hitAddGauge = savedSettings.hitAddGauge;
        game.chainTimer = savedSettings.chainTimer;
        game.gameMode = savedSettings.gameMode;
        game.totalScore = savedSettings.totalScore;
        game.levelScore = savedSettings.levelScore;
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

    PlayerScene ship{"plane1U.mesh", "interro.mesh", "shipFalcon.mesh", "rotorBlade.mesh"};
    Game& game = ship.game;
    Wave wave{"EnemyTestWave"};
    Ogre::SceneNode* parent = nullptr;

private:
    // The settings tests change, as they were.
    struct Settings {
        Ogre::Vector4 enemyHitColor;
        bool isChainingKillsOnly;
        bool isHitKeepChain;
        float isHitChainHP;
        float chainDamage;
        bool isOnlyBossLifebar;
        bool isTestOffScreenEnemies;
        bool isPauseWhenUnseen;
        bool isInvincibilityLimits;
        Ogre::Vector4 invincibilityLimits;
        bool isRevealHiddenEnemies;
        bool isEnemyFireOutsidePlay;
        float waveLifeOutsideScreenTime;
        float enemyHitByPlayerInvincibilityDuration;
        bool isGauge;
        bool isGaugeActive;
        float gaugeValue;
        float hitAddGauge;
        float chainTimer;
        int gameMode;
        std::int64_t totalScore;
        std::int64_t levelScore;
    };
    Settings savedSettings{game.enemyHitColor,
                           game.isChainingKillsOnly,
                           game.isHitKeepChain,
                           game.isHitChainHP,
                           game.chainDamage,
                           game.isOnlyBossLifebar,
                           game.isTestOffScreenEnemies,
                           game.isPauseWhenUnseen,
                           game.isInvincibilityLimits,
                           game.invincibilityLimits,
                           game.isRevealHiddenEnemies,
                           game.isEnemyFireOutsidePlay,
                           game.waveLifeOutsideScreenTime,
                           game.enemyHitByPlayerInvincibilityDuration,
                           game.isGauge,
                           game.isGaugeActive,
                           game.gaugeValue,
                           game.hitAddGauge,
                           game.chainTimer,
                           game.gameMode,
                           game.totalScore,
                           game.levelScore};
};
