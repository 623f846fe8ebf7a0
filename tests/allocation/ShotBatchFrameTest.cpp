// A frame of the shot sprite batch allocates nothing once its objects have
// the room of the frame before: hundreds of shots of one definition on both
// sides, redrawn as the play state redraws them each frame.
#include "allocation/AllocationCount.h"

#include "combat/ShotFlightScene.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "support/ResourceGroupScope.h"

#include <OgreMaterialManager.h>

#include <gtest/gtest.h>

TEST(ShotBatchFrame, RedrawingTheShotsOfTheFrameBeforeAllocatesNothing)
{
    ShotFlightScene play;
    ResourceGroupScope gameGroup{{"GAMERSC"}};
    createResourceGroupOnce("GAMERSC");
    Ogre::MaterialManager::getSingleton().create("bullet_shotBlue.png", "GAMERSC");
    bulletDefinition blue;
    blue.meshName = "shotBlue.png";
    play.game.bulletLibrary["blue"] = &blue;
    Weapon gun;
    gun.meshName = "blue";
    play.level.create(play.world.scene);
    play.level.resetShotPools();
    bulletSpriteBatch& batch = *play.level.bulletBatch;
    batch.create(play.world.scene);
    for (int i = 0; i < 500; ++i) {
        bullet* record = play.level.takeBullet(i % 2 != 0);
        record->isPlayerBullet = i % 2;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        record->launch(&gun, Ogre::Vector3(static_cast<float>(i), 0.0f, 0.0f), 1.0f, direction, nullptr, &blue);
    }
    const auto redraw = [&] { batch.update(play.game.enemyBullets.data(), play.game.playerBullets.data()); };
    redraw();

    AllocationCount count;
    redraw();
    redraw();
    EXPECT_EQ(count.stop(), 0u);
    play.game.bulletLibrary.erase("blue");
}
