// A step of enemy guns firing fans of shots allocates nothing once the
// records it takes have flown before: taking a record, listing it live and
// launching it reuse what the pools and the scene already hold.
#include "allocation/AllocationCount.h"

#include "combat/GunFiringScene.h"
#include "combat/ShotLaunchStep.h"

#include <gtest/gtest.h>

TEST(GunStep, FiringAStepOfGunsAllocatesNothingOnceItsRecordsHaveFlown)
{
    GunFiringScene scene;
    std::vector<Weapon*> guns;
    for (int i = 0; i < 20; ++i)
        guns.push_back(&scene.gun(false, [i](Weapon& g) {
            g.NumberOfShoots = 5, g.angleAdd = 60.0f, g.waitBeforeShoot = 0.0f, g.TimeBetweenSalves = 0.0f;
            g.offsetXRandom = 2.0f, g.speedRandom = 5;
            g.savedPosition = Ogre::Vector3(static_cast<float>(i) * 8.0f - 80.0f, 0.0f, 0.0f);
        }));
    const auto fireStep = [&] {
        ShotLaunchStep step(scene.shots.level);
        for (Weapon* gun : guns) {
            double dt = GunFiringScene::step;
            gun->update(dt, Ogre::Vector3(0.0f, 0.0f, 40.0f), true);
        }
    };
    // The same records again: the highest indexes are taken first.
    fireStep();
    scene.shots.level.resetShotPools();

    AllocationCount count;
    fireStep();
    EXPECT_EQ(count.stop(), 0u);
    EXPECT_EQ(scene.shots.level.liveEnemyBullets.size(), 100u);
}
