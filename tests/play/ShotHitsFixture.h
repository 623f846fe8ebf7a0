// The scene the hit-rule tests play on: the shot flight scene with a play
// state whose steps fly the shots, enemies that keep the hits they take,
// and square outlines placed in the world.
#pragma once

#include "combat/ShotFlightScene.h"

#include "combat/Enemy.h"
#include "combat/Weapon.h"
#include "play/playState.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// An enemy that keeps the hits it takes.
class HitRecorder : public Enemy {
public:
    struct Hit {
        std::int32_t damage;
        const Weapon* source;
        std::int32_t kind;
    };
    void hit(std::int32_t damage, Weapon* source, std::int32_t kind, const Ogre::Vector3&, bool) override
    {
        hits.push_back({damage, source, kind});
    }
    std::vector<Hit> hits;
};

class ShotHits : public ::testing::Test {
protected:
    ShotHits()
    {
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
    }
    ~ShotHits() override
    {
        state.onScreenEnemies.clear();
        state.player = nullptr;
        scene.game.gameMode = savedMode;
    }

    bullet& fire(bool isPlayerPool, const Ogre::Vector3& at, float speed)
    {
        bullet& shot = *scene.level.takeBullet(isPlayerPool);
        ShotFlightScene::launch(shot, at, Ogre::Vector3::NEGATIVE_UNIT_Z, speed);
        return shot;
    }

    // A square outline of the size on its own node at the position.
    Obb* outlineAt(const Ogre::Vector3& at, float size)
    {
        Obb* outline = new Obb();
        outline->size = {size, size, 0.0f};
        outline->bindCamera(scene.world.scene, scene.world.addNode(at));
        outline->init();
        scene.world.updateTransforms();
        outline->updateScreenPolygon();
        outline->updateScreenPolygon();
        return outline;
    }

    HitRecorder& enemyAt(const Ogre::Vector3& at, float size, bool isArmour = false)
    {
        HitRecorder& enemy = *enemies.emplace_back(std::make_unique<HitRecorder>());
        enemy.status = Enemy::statusAlive;
        enemy.outlines.push_back(outlineAt(at, size));
        enemy.outlines.back()->isInvicible = isArmour ? 1 : 0;
        state.onScreenEnemies.push_back(&enemy);
        return enemy;
    }

    void steps(int count)
    {
        for (int i = 0; i < count; ++i) {
            state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        }
    }

    // Guns outlive the pools whose records point to them.
    Weapon ownGun, otherGun;
    ShotFlightScene scene;
    const int savedMode = scene.game.gameMode;
    playState state;
    std::vector<std::unique_ptr<HitRecorder>> enemies;
};
