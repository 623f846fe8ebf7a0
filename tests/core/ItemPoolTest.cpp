// The item pool: made once per play, handing out its free items lowest index
// first, never one twice, never more than it holds.
#include "ItemDropScene.h"

#include "platform/Random.h"
#include "support/LogCapture.h"

#include <algorithm>
#include <array>
#include <set>

namespace itemdroptest {
namespace {

using ItemPool = ItemDropFixture;

TEST_F(ItemPool, IsMadeFreeAndNamedByIndexWithOneLogLine)
{
    LogCapture log;
    game.createItemPool(); // again, as entering play twice would
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "Items created"), 1);
    for (std::size_t i = 0; i < Game::itemPoolCount; ++i) {
        ASSERT_NE(game.itemPool[i], nullptr);
        EXPECT_EQ(game.itemPool[i]->name, "Item_" + std::to_string(i));
        EXPECT_EQ(game.itemPool[i]->status, 3u);
        EXPECT_FALSE(game.itemPool[i]->isStatic);
        EXPECT_NE(game.itemPool[i]->innerNode, nullptr);
    }
    game.destroyItemPool();
    EXPECT_TRUE(std::all_of(game.itemPool.begin(), game.itemPool.end(), [](Item* item) { return !item; }));
}

TEST_F(ItemPool, ManyDropsAndFreeingsNeverShareAnItemAndTakeTheLowestFreeFirst)
{
    addDefinition(game, "Coin");
    const std::array<Item*, Game::itemPoolCount> items = game.itemPool;
    platform::seedRandom(7);
    std::set<std::size_t> expectedTaken;
    for (int round = 0; round < 20; ++round) {
        const int count = 1 + platform::rand() % 40;
        // The free indexes, lowest first, are the ones the drops must take.
        std::vector<std::size_t> lowestFree;
        for (std::size_t i = 0; i < items.size() && lowestFree.size() < static_cast<std::size_t>(count); ++i)
            if (!expectedTaken.count(i))
                lowestFree.push_back(i);
        game.spawnItem("Coin", Ogre::Vector3(0.0f, 0.0f, 0.0f), count, 10, 0.5f);
        expectedTaken.insert(lowestFree.begin(), lowestFree.end());
        // Free a few items taken so far, as pick-ups and expiry do.
        for (int freed = 0; freed < count / 2; ++freed) {
            auto it = std::next(expectedTaken.begin(), platform::rand() % expectedTaken.size());
            items[*it]->stopParticles();
            expectedTaken.erase(it);
        }
        std::set<std::size_t> taken;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i]->status != 3)
                taken.insert(i);
        ASSERT_EQ(taken, expectedTaken) << "round " << round;
    }
    EXPECT_EQ(game.itemPool, items); // the same 8000 objects throughout
}

TEST_F(ItemPool, AFullPoolDropsNothingAndChangesNothing)
{
    Item* coin = addDefinition(game, "Coin");
    Item* gem = addDefinition(game, "Gem", "gem.mesh");
    gem->spriteName = "gemSprite";
    for (Item* item : game.itemPool) {
        item->status = 2;
        item->templateObject = coin;
    }
    level.itemCounter = 5;
    game.spawnItem("Gem", Ogre::Vector3::ZERO, 3, 0, 1.0f, true);
    EXPECT_EQ(level.itemCounter, 5);
    for (Item* item : game.itemPool) {
        EXPECT_EQ(item->status, 2u);
        EXPECT_EQ(item->templateObject, coin);
    }
    for (Item* item : game.itemPool)
        item->status = 3;
}

TEST_F(ItemPool, NothingIsDroppedWithoutANameOrWithoutAnyDefinitionToCopy)
{
    game.spawnItem("", Ogre::Vector3::ZERO, 5);
    game.spawnItem("Missing", Ogre::Vector3::ZERO, 5); // no "ItemNotFound" either
    EXPECT_TRUE(takenItems().empty());
}

TEST_F(ItemPool, WithoutAPlaySceneThePoolIsMadeButDropsNothing)
{
    addDefinition(game, "Coin");
    game.sceneManager = nullptr;
    game.createItemPool();
    ASSERT_NE(game.itemPool[0], nullptr);
    game.spawnItem("Coin", Ogre::Vector3::ZERO, 3);
    EXPECT_TRUE(takenItems().empty());
}

} // namespace
} // namespace itemdroptest
