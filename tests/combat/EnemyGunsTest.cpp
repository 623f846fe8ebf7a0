// The enemy's fire step: the current weapon set fires toward the target
// from the enemy pool, only in play, and the sets switch by index.
#include "combat/EnemyScene.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The enemy scene with both shot pools ready and a definition of two
// weapon sets of one gun each, the member set up from it.
class ArmedEnemy {
public:
    ArmedEnemy()
    {
        scene.ship.level.create(scene.ship.world.scene);
        scene.ship.level.resetShotPools();
        for (int set = 0; set < 2; ++set) {
            auto* gun = new Weapon();
            gun->TimeBetweenShoots = 0.0f;
            gun->waitBeforeShoot = 0.0f;
            definition.weaponSets.push_back({gun});
            definition.weaponSetNames.push_back("set" + std::to_string(set));
        }
        Enemy& enemy = scene.place();
        enemy.setupFromDefinition(definition, false);
        enemy.reset();
        scene.ship.world.updateTransforms();
    }
    ~ArmedEnemy()
    {
        for (Enemy* enemy : scene.wave.members)
            enemy->destroyGraphics();
        scene.ship.level.destroy();
    }
    ArmedEnemy(const ArmedEnemy&) = delete;
    ArmedEnemy& operator=(const ArmedEnemy&) = delete;

    std::size_t fire(int steps)
    {
        for (int i = 0; i < steps; ++i)
            scene.member().updateShoot(target);
        return scene.ship.level.liveEnemyBullets.size();
    }

    EnemyScene scene;
    Enemy definition;
    Ogre::Vector3 target = scene.inView() + Ogre::Vector3(0.0f, 0.0f, 20.0f);
};

struct FireCase {
    const char* what;
    std::function<void(ArmedEnemy&)> setUp;
    bool expectsShots;
};

TEST(EnemyGuns, TheCurrentSetFiresOnlyInPlay)
{
    const FireCase cases[] = {
        {"in play", [](ArmedEnemy&) {}, true},
        {"while the player dies", [](ArmedEnemy& a) { a.scene.game.gameMode = 2; }, true},
        {"not before play", [](ArmedEnemy& a) { a.scene.game.gameMode = 0; }, false},
        {"unless the Game lets enemies fire outside play",
         [](ArmedEnemy& a) {
             a.scene.game.gameMode = 0;
             a.scene.game.isEnemyFireOutsidePlay = true;
         },
         true},
        {"not while enemies hold fire", [](ArmedEnemy& a) { a.scene.game.enemyFirePause = 1.0f; }, false},
        {"not without a set", [](ArmedEnemy& a) { a.scene.member().resetWeapons(7); }, false},
    };
    for (const FireCase& c : cases) {
        ArmedEnemy armed;
        c.setUp(armed);
        EXPECT_EQ(armed.fire(30) > 0, c.expectsShots) << c.what;
    }
}

TEST(EnemyGuns, ShotsComeFromTheCurrentSetsGunsAimedOnTheEnemysForward)
{
    ArmedEnemy armed;
    Enemy& enemy = armed.scene.member();
    enemy.resetWeapons(1);
    EXPECT_EQ(enemy.currentWeaponSet, 1);
    ASSERT_GT(armed.fire(30), 0u);
    Game& game = armed.scene.game;
    for (std::int32_t index : armed.scene.ship.level.liveEnemyBullets)
        EXPECT_EQ(game.enemyBullets[static_cast<std::size_t>(index)]->weapon, enemy.weaponSets[1][0]);
    EXPECT_EQ(enemy.weaponSets[1][0]->templateObject, &enemy);
    EXPECT_EQ(enemy.weaponSets[1][0]->aimDirection, Ogre::Vector3::NEGATIVE_UNIT_Z);
}

} // namespace
