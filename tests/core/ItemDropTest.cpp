// Dropping items: where they land, how they vary, which definition they
// copy, and the render order of layered drops.
#include "ItemDropScene.h"

#include "platform/Random.h"

#include <OgreEntity.h>
#include <OgreMesh.h>

namespace itemdroptest {
namespace {

using ItemDrop = ItemDropFixture;

float horizontalDistance(const Ogre::Vector3& a, const Ogre::Vector3& b)
{
    return Ogre::Vector2(a.x - b.x, a.z - b.z).length();
}

TEST_F(ItemDrop, LandsOnThePlaneTwoUnitsAboveWhereThePlayCameraSeesThePosition)
{
    addDefinition(game, "Coin");
    game.spawnItem("Coin", Ogre::Vector3(10.0f, 0.0f, 5.0f));
    const Item& item = *game.itemPool[0];
    // Seen from 100 units above, the plane at height 2 is met 98 % of the way.
    EXPECT_NEAR(item.placedPosition.x, 9.8f, 1e-3f);
    EXPECT_NEAR(item.placedPosition.y, 2.0f, 1e-3f);
    EXPECT_NEAR(item.placedPosition.z, 4.9f, 1e-3f);
}

TEST_F(ItemDrop, ARayAlongThePlaneDropsTwoUnitsAboveThePosition)
{
    addDefinition(game, "Coin");
    world.scene->getCamera("PlayCam")->getParentSceneNode()->lookAt(Ogre::Vector3(0.0f, 100.0f, -50.0f),
                                                                     Ogre::Node::TS_WORLD);
    world.updateTransforms();
    game.spawnItem("Coin", Ogre::Vector3(0.0f, 100.0f, -50.0f));
    EXPECT_TRUE(game.itemPool[0]->placedPosition.positionEquals(Ogre::Vector3(0.0f, 102.0f, -50.0f), 1e-3f));
}

TEST_F(ItemDrop, SpreadIsATenthOfTheRadiusForOneItemAndFiveUnitsForSeveralWithoutRadius)
{
    addDefinition(game, "Coin");
    platform::seedRandom(3);
    for (int drop = 0; drop < 40; ++drop)
        game.spawnItem("Coin", Ogre::Vector3::ZERO, 1, 10);
    for (int drop = 0; drop < 40; ++drop)
        game.spawnItem("Coin", Ogre::Vector3::ZERO, 3, 0);
    const Ogre::Vector3 centre(0.0f, 2.0f, 0.0f);
    float widestSingle = 0.0f;
    float widestGroup = 0.0f;
    for (int i = 0; i < 40; ++i)
        widestSingle = std::max(widestSingle, horizontalDistance(game.itemPool[i]->placedPosition, centre));
    for (int i = 40; i < 160; ++i)
        widestGroup = std::max(widestGroup, horizontalDistance(game.itemPool[i]->placedPosition, centre));
    EXPECT_LE(widestSingle, 1.0f + 1e-4f);
    EXPECT_GT(widestSingle, 0.8f);
    EXPECT_LE(widestGroup, 5.0f + 1e-4f);
    EXPECT_GT(widestGroup, 4.5f);
}

class ItemDropVariation : public ItemDropFixture {
protected:
    void SetUp() override
    {
        ItemDropFixture::SetUp();
        spinner = addDefinition(game, "Spinner");
        spinner->startAngle = 30;
        spinner->startSpeed = 2.0f;
        spinner->rotationSpeed = Ogre::Vector3(1.0f, 2.0f, 3.0f);
        spinner->acceleration = 10;
    }
    Item* spinner = nullptr;
};

TEST_F(ItemDropVariation, WithoutRandomnessEveryDropIsTheDefinition)
{
    game.spawnItem("Spinner", Ogre::Vector3::ZERO, 5, 4, 0.0f);
    for (Item* item : takenItems()) {
        EXPECT_EQ(item->startAngle, 30);
        EXPECT_FLOAT_EQ(item->startSpeed, 2.0f);
        EXPECT_EQ(item->rotationSpeed, Ogre::Vector3(1.0f, 2.0f, 3.0f));
        EXPECT_EQ(item->acceleration, 10);
        EXPECT_EQ(item->sinPhaseX, 0.0f);
        EXPECT_EQ(item->sinPhaseZ, 0.0f);
        EXPECT_TRUE(item->innerNode->getOrientation().equals(Ogre::Quaternion::IDENTITY, Ogre::Degree(0.01f)));
        EXPECT_EQ(item->status, 0u);
    }
}

TEST_F(ItemDropVariation, RandomnessTurnsSpeedsAndSpinsEachDropWithinItsRange)
{
    platform::seedRandom(11);
    game.spawnItem("Spinner", Ogre::Vector3::ZERO, 30, 4, 0.5f);
    bool anyTurned = false;
    for (Item* item : takenItems()) {
        EXPECT_GE(item->startAngle, 30 - 90);
        EXPECT_LT(item->startAngle, 30 + 90);
        anyTurned = anyTurned || item->startAngle != 30;
        // ((0..49) / 100 + 1.75) / 2 of the definition's speed.
        EXPECT_GE(item->startSpeed, 2.0f * 0.875f - 1e-4f);
        EXPECT_LE(item->startSpeed, 2.0f * 1.12f + 1e-4f);
        EXPECT_LE(item->sinPhaseX, 0.5f);
        EXPECT_GE(item->rotationSpeed.y, 2.0f);
    }
    EXPECT_TRUE(anyTurned);
}

TEST_F(ItemDropVariation, RandomnessBelowOnePercentTurnsButKeepsTheSpeed)
{
    // 0.006 x 180 gives a turn of one degree, 0.006 x 100 no range of speeds.
    game.spawnItem("Spinner", Ogre::Vector3::ZERO, 10, 4, 0.006f);
    for (Item* item : takenItems()) {
        EXPECT_FLOAT_EQ(item->startSpeed, 2.0f);
        EXPECT_GE(item->startAngle, 29);
        EXPECT_LE(item->startAngle, 30);
    }
}

TEST_F(ItemDropVariation, AFreedItemDroppedAgainKeepsNothingOfHowItLastLooked)
{
    Item* spark = addDefinition(game, "Spark");
    spark->spriteName = "spark";
    spark->isLayered = 1;
    addDefinition(game, "Coin");
    Item& item = *game.itemPool[0];

    game.spawnItem("Spinner", Ogre::Vector3::ZERO, 1, 0, 1.0f);
    ASSERT_FALSE(item.innerNode->getOrientation().equals(Ogre::Quaternion::IDENTITY, Ogre::Degree(0.01f)));
    item.stopParticles();
    game.spawnItem("Spark", Ogre::Vector3::ZERO);
    // A sprite that does not spin lies flat, whatever the last life turned.
    EXPECT_TRUE(item.innerNode->getOrientation().equals(Ogre::Quaternion::IDENTITY, Ogre::Degree(0.01f)));
    ASSERT_TRUE(item.isLayered);
    EXPECT_EQ(item.meshEntity->getMesh()->getName(), "plane1U.mesh");

    item.stopParticles();
    game.spawnItem("Coin", Ogre::Vector3::ZERO);
    EXPECT_FALSE(item.isLayered);
    // The same mesh name as the sprite's, but drawn as a mesh.
    EXPECT_EQ(item.meshEntity->getMesh()->getName(), "interro.mesh");
    EXPECT_EQ(item.meshEntity->getRenderQueueGroup(), 40);
}

TEST_F(ItemDrop, AMissingNameDropsTheNotFoundItemAsTheMissingMesh)
{
    Item* notFound = addDefinition(game, "ItemNotFound", "question.mesh");
    game.spawnItem("NoSuchItem", Ogre::Vector3::ZERO, 2, 3);
    ASSERT_EQ(takenItems().size(), 2u);
    for (Item* item : takenItems()) {
        EXPECT_EQ(item->templateObject, notFound);
        EXPECT_EQ(item->meshEntity->getMesh()->getName(), "interro.mesh");
    }
}

TEST_F(ItemDrop, LayeredDropsJoinTheCurrentLayerEachOverTheLast)
{
    Item* sprite = addDefinition(game, "Spark");
    sprite->spriteName = "spark";
    level.currentLayer = 3;
    level.itemCounter = 98;
    game.spawnItem("Spark", Ogre::Vector3::ZERO, 2, 3);
    const std::vector<Item*> dropped = takenItems();
    ASSERT_EQ(dropped.size(), 2u);
    EXPECT_EQ(dropped[0]->meshEntity->getRenderQueueGroup(), 43);
    EXPECT_EQ(dropped[0]->priority, 35099);
    EXPECT_EQ(dropped[1]->priority, 35000);
    EXPECT_EQ(level.itemCounter, 0);

    level.currentLayer = 200; // groups above 105 abort the renderer
    game.spawnItem("Spark", Ogre::Vector3::ZERO);
    EXPECT_EQ(game.itemPool[2]->meshEntity->getRenderQueueGroup(), 105);
}

TEST_F(ItemDrop, AMedalDropsAsTheMedalTheChainHasReached)
{
    addDefinition(game, "MedalBronze")->itemKind = itemKindMedal;
    game.itemLibrary["MedalBronze"]->Score = 100;
    Item* silver = addDefinition(game, "MedalSilver");
    silver->itemKind = itemKindMedal;
    silver->Score = 500;
    level.resetItemMap();
    game.isChainingMedalIncrementMedailType = true;
    game.medalType = 1;
    game.spawnItem("MedalBronze", Ogre::Vector3::ZERO);
    EXPECT_EQ(game.itemPool[0]->templateObject, silver);
}

} // namespace
} // namespace itemdroptest
