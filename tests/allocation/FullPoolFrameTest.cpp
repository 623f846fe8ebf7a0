// The heaviest frame allocates nothing once its records have flown: both
// shot pools full of sprite shots steering in every mode, stepped by the
// play state's shot steps with their hit tests, redrawn by the batch, and
// the scene brought up to date as a rendered frame does.
#include "allocation/AllocationCount.h"

#include "combat/ShotFlightScene.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "play/playState.h"
#include "support/ResourceGroupScope.h"

#include <OgreMaterialManager.h>

#include <gtest/gtest.h>

TEST(FullPoolFrame, AFrameOfBothFullPoolsAllocatesNothing)
{
    ShotFlightScene play;
    ResourceGroupScope gameGroup{{"GAMERSC"}};
    createResourceGroupOnce("GAMERSC");
    Ogre::MaterialManager::getSingleton().create("bullet_shotRed.png", "GAMERSC");
    bulletDefinition red;
    red.meshName = "shotRed.png";
    red.isSprite = 1;
    play.game.bulletLibrary["red"] = &red;
    Weapon gun;
    gun.meshName = "red";
    play.level.create(play.world.scene);
    play.level.resetShotPools();
    play.level.bulletBatch->create(play.world.scene);
    playState state;
    // Spread over the view, in every steering mode, living long enough.
    int count = 0;
    for (const bool isPlayer : {false, true})
        while (bullet* record = play.level.takeBullet(isPlayer)) {
            record->isPlayerBullet = isPlayer;
            record->changeDirectionType = count % 7;
            record->changeDirectionDuration = 5.0f;
            record->aimSpeed = 1.0f;
            record->speed = 5.0f;
            record->velocity = Ogre::Vector3::NEGATIVE_UNIT_Z;
            Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
            const Ogre::Vector3 at(static_cast<float>(count % 280) - 140.0f, 0.0f,
                                   static_cast<float>(count / 280 % 150) - 75.0f);
            record->launch(&gun, at, 1.0f, direction, nullptr, &red);
            ++count;
        }
    const auto frame = [&] {
        state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        play.level.bulletBatch->update(play.game.enemyBullets.data(), play.game.playerBullets.data());
        play.world.updateTransforms();
    };
    // The batch opens its buffers a quarter larger than the frame before
    // drew: they have their size after the second frame.
    frame();
    frame();

    AllocationCount allocations;
    frame();
    frame();
    EXPECT_EQ(allocations.stop(), 0u);
    EXPECT_EQ(play.level.liveEnemyBullets.size() + play.level.livePlayerBullets.size(), 11000u);
    play.game.bulletLibrary.erase("red");
}
