// The enemy's fire step: the current weapon set fires toward the target
// from the enemy pool, only in play; a death that cancels bullets ends them.
#include "combat/EnemyScene.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/effects/sfxLibraryEntry.h"
#include "world/EffectsTestScene.h"

#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Guns of this direction type turn toward the target before they fire.
constexpr std::int32_t aimedAtTarget = 1;
const char* const muzzleTemplate = "fx_burst";

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
            gun->dirType = aimedAtTarget;
            gun->aimLimit_angle = 360.0f;
            gun->sfxFireName = gun->sfxSmokeName = muzzleTemplate;
            definition.weaponSets.push_back({gun});
            definition.weaponSetNames.push_back("set" + std::to_string(set));
        }
        scene.game.sfxLibrary[muzzleTemplate] = &muzzleEffect;
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
        scene.game.sfxLibrary.erase(muzzleTemplate);
    }
    ArmedEnemy(const ArmedEnemy&) = delete;
    ArmedEnemy& operator=(const ArmedEnemy&) = delete;

    std::size_t fire(int steps)
    {
        for (int i = 0; i < steps; ++i)
            scene.member().updateShoot(target);
        return scene.ship.level.liveEnemyBullets.size();
    }

    // Ogre's particle plug-in and the effects tests' templates.
    EffectsTestScene effects;
    EnemyScene scene;
    sfxLibraryEntry muzzleEffect;
    Enemy definition;
    // Beside the enemy, on its right.
    Ogre::Vector3 target = scene.inView() + Ogre::Vector3(40.0f, 0.0f, 0.0f);
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

TEST(EnemyGuns, TheCurrentSetsGunsFireAtTheTarget)
{
    ArmedEnemy armed;
    Enemy& enemy = armed.scene.member();
    enemy.resetWeapons(1);
    EXPECT_EQ(enemy.currentWeaponSet, 1);
    ASSERT_GT(armed.fire(30), 0u);
    Game& game = armed.scene.game;
    for (std::int32_t index : armed.scene.ship.level.liveEnemyBullets) {
        const bullet& shot = *game.enemyBullets[static_cast<std::size_t>(index)];
        EXPECT_EQ(shot.weapon, enemy.weaponSets[1][0]);
        // Toward the target as the tilted collision camera sees it.
        EXPECT_GT(shot.velocity.normalisedCopy().dotProduct(Ogre::Vector3::UNIT_X), 0.9f) << shot.velocity;
    }
    EXPECT_EQ(enemy.weaponSets[1][0]->templateObject, &enemy);
    EXPECT_EQ(enemy.weaponSets[1][0]->aimDirection, Ogre::Vector3::NEGATIVE_UNIT_Z);
}

TEST(EnemyGuns, TheGunsOfAnEnemySetUpFromItsDefinitionFlashAndSmokeAtTheirShots)
{
    ArmedEnemy armed;
    for (const auto& set : armed.scene.member().weaponSets) {
        ASSERT_TRUE(set[0]->fireParticles && set[0]->smokeParticles);
        EXPECT_FALSE(set[0]->isPlayerWeapon || set[0]->fireParticles->getEmitting());
    }
    ASSERT_GT(armed.fire(1), 0u);
    const Weapon& gun = *armed.scene.member().weaponSets[0][0];
    EXPECT_TRUE(gun.fireParticles->getEmitting() && gun.smokeParticles->getEmitting());
}

TEST(EnemyGuns, ADeathThatCancelsBulletsEndsTheEnemysOwnShots)
{
    for (const std::uint8_t cancels : {0, 1}) {
        ArmedEnemy armed;
        Enemy& enemy = armed.scene.member();
        ASSERT_GT(armed.fire(30), 0u);
        enemy.isDeathCancelsBullets = cancels;
        enemy.status = Enemy::statusAlive;
        enemy.die(false);
        std::size_t flying = 0;
        for (std::int32_t index : armed.scene.ship.level.liveEnemyBullets)
            flying += armed.scene.game.enemyBullets[static_cast<std::size_t>(index)]->state == bullet::stateFlying;
        EXPECT_EQ(flying == 0, cancels == 1) << "cancels: " << static_cast<int>(cancels);
    }
}

} // namespace
