// The shot pools: every record numbered by its place and carrying the
// outline of the same place; neither has a node, the shot steps place both.
#include "GameTestSupport.h"

#include "combat/bullet.h"
#include "world/Obb.h"
#include "world/WorldTestScene.h"

#include <gtest/gtest.h>

namespace {

TEST(BulletPools, RecordsAreNumberedByPlaceAndCarryTheirOwnAttachedOutline)
{
    Game& game = gametest::cleanGame();
    WorldTestScene world;
    game.sceneManager = world.scene;
    game.createBulletPools();
    const auto check = [](const auto& records, const auto& outlines) {
        EXPECT_EQ(records.back()->index, static_cast<int>(records.size()) - 1);
        for (std::size_t i = 0; i < records.size(); ++i) {
            ASSERT_EQ(records[i]->index, static_cast<int>(i));
            ASSERT_EQ(records[i]->obb, outlines[i]);
            EXPECT_EQ(outlines[i]->size, Ogre::Vector3(1.0f, 1.0f, 0.0f));
            EXPECT_EQ(outlines[i]->isAttached, 1);
            EXPECT_EQ(outlines[i]->parentNode, nullptr);
            EXPECT_EQ(records[i]->node, nullptr);
        }
    };
    check(game.enemyBullets, game.enemyBulletObbs);
    check(game.playerBullets, game.playerBulletObbs);
    game.destroyBulletPools();
    EXPECT_EQ(game.enemyBullets.back(), nullptr);
    EXPECT_EQ(game.playerBulletObbs.front(), nullptr);
    game.sceneManager = nullptr;
}

} // namespace
