// Items in play: homing on the player, expiring off screen or at the end of
// their life (blinking before), and shrinking away once collected.
#include "world/ItemTestScene.h"
#include "support/FrameStep.h"

#include <OgreEntity.h>
#include <cmath>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

class ItemMotion : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.itemLifeOutsideScreenTime = 2.0f;
        game.isLoosingMedailBreakMultiplier = false;
        // Far from the player: nothing is picked up.
        scene.placePlayer(scene.ground + Ogre::Vector3(0.0f, 0.0f, 60.0f));
    }

    // The item's movement in the plane over one frame, per second.
    static float speedOf(ItemTestScene& scene, Item& item)
    {
        const Ogre::Vector3 before = item.position;
        scene.run(item, frame);
        return (item.position - before).length() / static_cast<float>(frame);
    }

    ItemTestScene scene;
    Game& game = scene.game;
};

TEST_F(ItemMotion, HomingStartsAfterItsDelayAndReachesTenTimesTheAcceleration)
{
    scene.placePlayer(scene.ground + Ogre::Vector3(0.0f, 0.0f, 400.0f));
    scene.definition.acceleration = 3;
    scene.definition.timeBeforeAttraction = 0.5f;
    Item& item = scene.drop(scene.ground);
    scene.run(item, 0.4);
    EXPECT_EQ(item.status, 2u);
    EXPECT_FALSE(item.isAttracted);
    EXPECT_EQ(item.position, scene.ground);
    scene.run(item, 0.2);
    EXPECT_TRUE(item.isAttracted);
    scene.run(item, 3.5);
    EXPECT_FLOAT_EQ(item.attractionBlend, 1.0f);
    EXPECT_NEAR(speedOf(scene, item), 30.0f, 0.5f);
    // Towards the player, who stands at +z.
    EXPECT_GT(item.velocity.z, 29.0f);
}

TEST_F(ItemMotion, TheInnerNodeWobblesOnItsSineAndSpinsAtFifteenTimesItsSpeed)
{
    scene.definition.startSpeed = 0.0f;
    scene.definition.SinSpeed = Ogre::Vector3(2.0f, 0.0f, 4.0f);
    scene.definition.SinDistance = Ogre::Vector3(3.0f, 0.0f, 1.5f);
    scene.definition.rotationSpeed = Ogre::Vector3(0.0f, 2.0f, 0.0f);
    Item& item = scene.drop(scene.ground);
    item.sinPhaseX = 0.25f;
    item.sinPhaseZ = 0.0f;
    scene.run(item, frame); // the item starts: it spins and wobbles from the next frame
    const Ogre::Quaternion before = item.innerNode->getOrientation();
    for (int i = 0; i < 30; ++i)
        scene.run(item, frame);
    const float t = static_cast<float>(item.age);
    const Ogre::Vector3 offset = item.innerNode->getPosition();
    // The tables of sine and cosine are close to the exact functions.
    EXPECT_NEAR(offset.x, std::sin((0.25f + t) * 2.0f * 0.5f) * 3.0f, 0.01f);
    EXPECT_FLOAT_EQ(offset.y, 0.0f);
    EXPECT_NEAR(offset.z, std::cos(t * 4.0f * 0.5f) * 1.5f, 0.01f);
    // Half a second at 2 turns the inner node by 15 degrees about its y axis.
    const Ogre::Radian turned = (before.Inverse() * item.innerNode->getOrientation()).getYaw();
    EXPECT_NEAR(turned.valueDegrees(), 15.0f, 0.1f);
    // The wobble moves only the inner node: the item stays where it lies.
    EXPECT_EQ(item.position, scene.ground);
}

TEST_F(ItemMotion, HomingKeepsToItsDistance)
{
    scene.definition.acceleration = 3;
    scene.definition.attractionDistance = 30.0f; // the player stands 60 away
    Item& near = scene.drop(scene.ground);
    scene.run(near, 1.0);
    EXPECT_FALSE(near.isAttracted);
    EXPECT_EQ(near.position, scene.ground);

    scene.definition.attractionDistance = -1.0f;
    scene.placePlayer(scene.ground + Ogre::Vector3(0.0f, 0.0f, 5.0f));
    Item& never = scene.drop(scene.ground + Ogre::Vector3(0.0f, 0.0f, -20.0f));
    scene.run(never, 1.0);
    EXPECT_FALSE(never.isAttracted);
}

TEST_F(ItemMotion, AnItemSeenAndThenOffScreenExpiresAfterItsTimeAndAnUnseenOneDoesNot)
{
    scene.definition.startSpeed = 0.0f;
    Item& seen = scene.drop(scene.ground);
    scene.run(seen, 0.5);
    ASSERT_TRUE(seen.isSeenOnScreen);
    seen.position = scene.ground + Ogre::Vector3(5000.0f, 0.0f, 0.0f);
    scene.run(seen, 1.9);
    EXPECT_EQ(seen.status, 2u);
    scene.run(seen, 0.2);
    EXPECT_EQ(seen.status, 3u);
    EXPECT_FALSE(seen.meshEntity->getVisible());

    // Started by its acceleration, far off screen from the start.
    scene.definition.acceleration = 1;
    scene.definition.timeBeforeAttraction = 100.0f;
    Item& unseen = scene.drop(scene.ground + Ogre::Vector3(5000.0f, 0.0f, 0.0f));
    scene.run(unseen, 5.0);
    EXPECT_EQ(unseen.status, 2u);
    EXPECT_FALSE(unseen.isSeenOnScreen);
}

TEST_F(ItemMotion, ALimitedLifeBlinksThroughItsLastPartAndEnds)
{
    scene.definition.isLifeDuration = true;
    scene.definition.lifeDuration = 2.0f;
    Item& item = scene.drop(scene.ground);
    int toggles = 0;
    bool shown = true;
    double firstToggle = -1.0;
    for (double t = 0.0; t < 1.99; t += frame) {
        scene.run(item, frame);
        if (item.meshEntity->getVisible() != shown) {
            shown = !shown;
            ++toggles;
            if (firstToggle < 0.0)
                firstToggle = item.lifeTime;
        }
    }
    EXPECT_NEAR(firstToggle, 1.7, 0.02);
    // One toggle per 0.04 s and more (every third frame at 60 frames).
    EXPECT_NEAR(toggles, 6, 1);
    EXPECT_EQ(item.status, 2u);
    scene.run(item, 0.05);
    EXPECT_EQ(item.status, 3u);
}

TEST_F(ItemMotion, ACollectedItemShrinksHidesAndIsFreedAfterItsDeathDurationAndASecond)
{
    scene.placePlayer(scene.ground);
    Item& item = scene.drop(scene.ground);
    scene.run(item, 2 * frame);
    ASSERT_EQ(item.status, 4u);
    item.deathDuration = 0.5;
    item.update(0.1);
    EXPECT_FLOAT_EQ(item.sceneNode->getScale().x, 0.5f); // d = 0.5
    EXPECT_TRUE(item.meshEntity->getVisible());
    item.update(0.1);
    EXPECT_FLOAT_EQ(item.sceneNode->getScale().x, 0.1f);
    EXPECT_FALSE(item.meshEntity->getVisible());
    item.update(1.25);
    EXPECT_EQ(item.status, 4u);
    EXPECT_FLOAT_EQ(item.sceneNode->getScale().x, 0.1f); // does not grow back
    item.update(0.06);
    EXPECT_EQ(item.status, 3u);

    // Dropped again, it shows and waits afresh.
    item.reset();
    EXPECT_EQ(item.status, 0u);
    EXPECT_TRUE(item.meshEntity->getVisible());
    EXPECT_EQ(item.age, 0.0);
}

TEST_F(ItemMotion, WithoutADeathDurationACollectedItemVanishesAtOnceAndIsFreedASecondLater)
{
    scene.placePlayer(scene.ground);
    Item& item = scene.drop(scene.ground);
    scene.run(item, 2 * frame);
    ASSERT_EQ(item.status, 4u);
    ASSERT_EQ(item.deathDuration, 0.0);
    item.update(frame);
    EXPECT_FALSE(item.meshEntity->getVisible());
    item.update(0.95);
    EXPECT_EQ(item.status, 4u); // its end effect still plays on the node
    item.update(0.05);
    EXPECT_EQ(item.status, 3u);
}

TEST_F(ItemMotion, ACopyOwnsCopiesOfTheOutlinesAndStartingLeavesTheWorldPosition)
{
    Item copy(scene.definition);
    ASSERT_EQ(copy.outlines.size(), 1u);
    EXPECT_NE(copy.outlines[0], scene.definition.outlines[0]);
    EXPECT_EQ(copy.outlines[0]->size, scene.definition.outlines[0]->size);
    EXPECT_EQ(copy.templateObject, &scene.definition);

    scene.definition.isOnGround = false;
    const Ogre::Vector3 at = scene.ground + Ogre::Vector3(3.0f, 0.0f, 4.0f);
    Item& item = scene.drop(at);
    scene.run(item, frame);
    EXPECT_EQ(item.sceneNode->getParentSceneNode(), scene.camera.sceneNode);
    EXPECT_TRUE(item.sceneNode->_getDerivedPosition().positionEquals(at, 1e-3f));
}

} // namespace
