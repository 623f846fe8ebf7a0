// The shots one salvo puts in flight: fan directions, repeaters, mirrored
// twins, ammunition, the "in front" rule, and the pool each gun draws from.
#include "GunFiringScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float tolerance = 1e-4f;

struct PatternCase {
    const char* what;
    std::function<void(Weapon&)> setUp;
    std::vector<Ogre::Vector3> directions; // in firing order
    std::int32_t ownerSymmetry = 1;
    bool isPlayer = true;
};

TEST(GunPattern, OneSalvoFliesInTheDirectionsOfItsPattern)
{
    const float h = std::sqrt(0.5f);
    const std::vector<PatternCase> cases = {
        {"a fan of 90 degrees over 3 shots turns the first toward +45 degrees of yaw",
         [](Weapon& g) { g.NumberOfShoots = 3, g.angleAdd = 90.0f; },
         {{-h, 0, -h}, {0, 0, -1}, {h, 0, -h}}},
        {"4 repeats over 360 degrees start at -180 degrees",
         [](Weapon& g) { g.repeater_number = 4, g.repeater_angle = 360.0f; },
         {{0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}}},
        {"mirrored twins: 3 shots over 20 degrees fire 5",
         [](Weapon& g) { g.NumberOfShoots = 3, g.angleAdd = 20.0f, g.isBurstSymetry = 1; },
         {{0, 0, -1},
          {std::sin(Ogre::Math::PI - 0.17453292f), 0, std::cos(Ogre::Math::PI - 0.17453292f)},
          {std::sin(Ogre::Math::PI + 0.17453292f), 0, std::cos(Ogre::Math::PI + 0.17453292f)},
          {std::sin(Ogre::Math::PI - 0.34906584f), 0, std::cos(Ogre::Math::PI - 0.34906584f)},
          {std::sin(Ogre::Math::PI + 0.34906584f), 0, std::cos(Ogre::Math::PI + 0.34906584f)}}},
        {"no ammunition fires nothing", [](Weapon& g) { g.NumberOfShoots = 3, g.isUseAmmo = 1, g.startAmmo = 0; }, {}},
        {"two rounds left fire two of three",
         [](Weapon& g) { g.NumberOfShoots = 3, g.angleAdd = 90.0f, g.isUseAmmo = 1, g.startAmmo = 2; },
         {{-h, 0, -h}, {0, 0, -1}}},
        {"a mirrored ship fires backward", [](Weapon&) {}, {{0, 0, 1}}, -1},
        {"a mirrored enemy fires backward", [](Weapon& g) { g.waitBeforeShoot = 0.0f; }, {{0, 0, 1}}, -1, false},
    };
    for (const PatternCase& c : cases) {
        GunFiringScene scene;
        scene.player.symmetry = scene.enemy.symmetry = c.ownerSymmetry;
        Weapon& gun = scene.gun(c.isPlayer, [&](Weapon& g) {
            c.setUp(g);
            g.ammo = g.startAmmo;
        });
        GunFiringScene::run(gun, GunFiringScene::step, true);
        const std::vector<const bullet*> shots = scene.live(c.isPlayer);
        ASSERT_EQ(shots.size(), c.directions.size()) << c.what;
        for (std::size_t i = 0; i < shots.size(); ++i)
            EXPECT_TRUE(shots[i]->velocity.normalisedCopy().positionEquals(c.directions[i], tolerance))
                << c.what << " shot " << i << ": " << shots[i]->velocity;
        EXPECT_EQ(gun.shotsFired, gun.NumberOfShoots) << c.what;
    }
}

TEST(GunPattern, DirectionTypeTwoFiresAsAFanStraightAhead)
{
    const auto fired = [](std::int32_t dirType, std::uint8_t isInFront) {
        GunFiringScene scene;
        Weapon& gun = scene.gun(true, [&](Weapon& g) {
            g.NumberOfShoots = 3, g.angleAdd = 60.0f, g.repeater_number = 2, g.repeater_angle = 90.0f;
            g.shoot_startDistance = 5.0f, g.shoot_distance = 2.0f;
            g.dirType = dirType, g.isInFront = isInFront;
        });
        GunFiringScene::run(gun, GunFiringScene::step, true);
        std::vector<std::pair<Ogre::Vector3, Ogre::Vector3>> out;
        for (const bullet* shot : scene.live(true))
            out.emplace_back(shot->velocity, shot->lastPosition);
        return out;
    };
    const auto two = fired(2, 0);
    const auto inFront = fired(0, 1);
    const auto fan = fired(0, 0);
    ASSERT_EQ(two.size(), 6u);
    ASSERT_EQ(two.size(), inFront.size());
    for (std::size_t i = 0; i < two.size(); ++i) {
        EXPECT_TRUE(two[i].first.positionEquals(inFront[i].first, tolerance)) << i;
        EXPECT_TRUE(two[i].second.positionEquals(inFront[i].second, tolerance)) << i;
    }
    // Straight ahead means every shot of a repeat shares its direction, unlike the fan.
    EXPECT_TRUE(two[0].first.positionEquals(two[2].first, tolerance));
    EXPECT_FALSE(fan[0].first.positionEquals(fan[2].first, tolerance));
}

TEST(GunPattern, EachGunDrawsFromItsOwnPool)
{
    struct Case {
        bool isPlayer;
        float enemyFirePause;
        std::uint8_t isPlayerWeaponEnemyPool;
        std::size_t playerShots, enemyShots;
    } cases[] = {
        {true, 0.0f, 0, 2, 0},  {false, 0.0f, 0, 0, 2}, {true, 1.0f, 0, 2, 0},
        {false, 1.0f, 0, 0, 0}, {true, 0.0f, 1, 0, 2},  {false, 0.0f, 1, 0, 2},
    };
    for (const Case& c : cases) {
        GunFiringScene scene;
        scene.shots.game.enemyFirePause = c.enemyFirePause;
        scene.shots.level.isPlayerWeaponEnemyPool = c.isPlayerWeaponEnemyPool;
        Weapon& gun = scene.gun(c.isPlayer, [](Weapon& g) { g.NumberOfShoots = 2, g.waitBeforeShoot = 0.0f; });
        GunFiringScene::run(gun, GunFiringScene::step, true);
        EXPECT_EQ(scene.live(true).size(), c.playerShots) << c.isPlayer << " " << c.enemyFirePause;
        EXPECT_EQ(scene.live(false).size(), c.enemyShots) << c.isPlayer << " " << c.enemyFirePause;
        EXPECT_EQ(scene.shots.level.shotCount, static_cast<std::int32_t>(c.playerShots + c.enemyShots));
        for (const bullet* shot : scene.live(c.playerShots > 0)) {
            EXPECT_EQ(shot->isPlayerBullet, c.isPlayer);
            EXPECT_EQ(shot->weapon, &gun);
        }
    }
}

} // namespace
