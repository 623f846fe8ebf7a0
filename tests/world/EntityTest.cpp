#include "world/EntityTestKinds.h"
#include "world/WorldTestScene.h"

#include "world/RenderQueueGroups.h"
#include "support/VectorChecks.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();

// An entity on a node of its own under a parent node of the scene.
struct PlacedEntity {
    explicit PlacedEntity(WorldTestScene& world) : parent(world.addNode())
    {
        object.sceneNode = parent->createChildSceneNode();
    }
    Ogre::SceneNode* parent;
    plainEntity object;
};

} // namespace

TEST(Entity, StartsOnLayer40CastingShadows)
{
    plainEntity object;
    EXPECT_EQ(object.layer, 40);
    EXPECT_EQ(object.isCastShadows, 1);
}

TEST(EntityLayers, MapLayersToQueueGroupsSkipping50AndCappedAt105)
{
    QueueRecordingMovable movable;
    plainEntity object;
    object.movableObject = &movable;
    object.isLayered = 1;

    object.setLayer(9);
    EXPECT_EQ(movable.getRenderQueueGroup(), 49);
    object.setLayer(10);
    EXPECT_EQ(object.layer, 11);
    EXPECT_EQ(movable.getRenderQueueGroup(), 51);

    object.setLayerAndPriority(70, 7);
    EXPECT_EQ(object.layer, 71);
    EXPECT_EQ(object.priority, 7);
    EXPECT_EQ(movable.getRenderQueueGroup(), 105);
    EXPECT_EQ(movable.priority, 7);

    // Capped as well, although no priority comes with the layer.
    object.setLayer(70);
    EXPECT_EQ(object.layer, 71);
    EXPECT_EQ(object.priority, 0);
    EXPECT_EQ(movable.getRenderQueueGroup(), 105);
    EXPECT_EQ(movable.priority, 7) << "setLayer leaves the object's priority alone";

    for (int index = 0; index <= 255; ++index) {
        object.setLayer(static_cast<std::uint8_t>(index));
        EXPECT_NE(movable.getRenderQueueGroup(), 50) << index;
        EXPECT_LE(movable.getRenderQueueGroup(), 105) << index;
    }
}

TEST(EntityLayers, UnlayeredObjectsStayInGroup40)
{
    QueueRecordingMovable movable;
    plainEntity object;
    object.movableObject = &movable;

    object.setLayerAndPriority(12, 3);
    EXPECT_EQ(movable.getRenderQueueGroup(), 40);
    EXPECT_EQ(movable.priority, -1) << "no priority is set on an unlayered object";
    EXPECT_EQ(object.layer, 13);
    EXPECT_EQ(object.priority, 3);

    object.setLayer(5);
    EXPECT_EQ(movable.getRenderQueueGroup(), 40);
    EXPECT_EQ(object.layer, 5);
}

TEST(EntityLayers, LastLayerIndexDoesNotWrapRoundToTheLowest)
{
    plainEntity object;
    object.setLayer(255);
    EXPECT_EQ(object.layer, 255);
    EXPECT_EQ(renderQueueGroupOf(object.layer), 105);
}

TEST(EntityStatus, MarksTheObjectStartedOnlyBy1Or2)
{
    plainEntity object;
    object.setStatus(3);
    EXPECT_EQ(object.status, 3u);
    EXPECT_EQ(object.isStarted, 0);
    object.setStatus(1);
    EXPECT_EQ(object.isStarted, 1);
    object.setStatus(0);
    EXPECT_EQ(object.status, 0u);
    EXPECT_EQ(object.isStarted, 1);

    plainEntity active;
    active.setStatus(2);
    EXPECT_EQ(active.isStarted, 1);
}

TEST(EntityStatus, ForwardsStatusAndHidingToChildrenInKeyOrder)
{
    std::vector<std::string> journal;
    recordingEntity owner("owner", journal), b("b", journal), a("a", journal), c("c", journal);
    owner.children = {{"second", &b}, {"first", &a}, {"third", &c}};

    owner.setStatus(2);
    EXPECT_EQ(journal, (std::vector<std::string>{"owner setStatus 2", "a setStatus 2", "b setStatus 2",
                                                 "c setStatus 2"}));
    EXPECT_EQ(c.isStarted, 1);

    journal.clear();
    owner.hideAndForward(true);
    // Each hides itself whatever the flag, then hands the flag on.
    EXPECT_EQ(journal, (std::vector<std::string>{"owner hideAndForward 1", "owner setVisible 0",
                                                 "a hideAndForward 1", "a setVisible 0", "b hideAndForward 1",
                                                 "b setVisible 0", "c hideAndForward 1", "c setVisible 0"}));
}

TEST(EntityStatus, DisabledObjectIgnoresAndDoesNotForward)
{
    std::vector<std::string> journal;
    recordingEntity owner("owner", journal), child("child", journal);
    owner.children = {{"child", &child}};
    owner.isDisabled = 1;
    owner.status = 4;

    owner.setStatus(1);
    owner.hideAndForward(false);
    EXPECT_EQ(owner.status, 4u);
    EXPECT_EQ(owner.isStarted, 0);
    EXPECT_EQ(journal, (std::vector<std::string>{"owner setStatus 1", "owner hideAndForward 0"}));
}

TEST(EntityTransform, WithoutANodeOnlyTheCachesChange)
{
    plainEntity object;
    object.setPosition({1, 2, 3});
    EXPECT_EQ(object.position, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(object.placedPosition, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(object.getPosition(), Ogre::Vector3::ZERO);

    object.setWorldPosition({7, 7, 7});
    EXPECT_EQ(object.position, Ogre::Vector3(1, 2, 3));

    object.setScale({2, 2, 2});
    EXPECT_EQ(object.scale, Ogre::Vector3(2, 2, 2));

    object.setRotation({10, 20, 30});
    EXPECT_EQ(object.rotation, Ogre::Vector3(10, 20, 30));
    EXPECT_EQ(object.orientation, Ogre::Quaternion::IDENTITY);

    object.applyRotation({0, 45, 0});
    object.savePosition();
    object.saveOrientation();
    EXPECT_EQ(object.rotation, Ogre::Vector3(10, 20, 30));
    EXPECT_EQ(object.savedPosition, Ogre::Vector3::ZERO);
    EXPECT_EQ(object.savedOrientation, Ogre::Quaternion::IDENTITY);
}

TEST(EntityTransform, MovesScalesAndFindsItsNode)
{
    WorldTestScene world;
    PlacedEntity placed(world);
    placed.parent->setPosition(10, 0, 0);
    placed.parent->setScale(2, 2, 2);
    plainEntity& object = placed.object;

    object.setPosition({1, 2, 3});
    EXPECT_EQ(object.sceneNode->getPosition(), Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(object.placedPosition, Ogre::Vector3(1, 2, 3));
    expectNear(object.getPosition(), {12, 4, 6});

    object.setWorldPosition({14, 0, 2});
    expectNear(object.position, {2, 0, 1});
    expectNear(object.placedPosition, {2, 0, 1});
    expectNear(object.sceneNode->getPosition(), {2, 0, 1});

    object.setScale({3, 1, 0.5f});
    EXPECT_EQ(object.sceneNode->getScale(), Ogre::Vector3(3, 1, 0.5f));
}

TEST(EntityTransform, RotatesAboutYThenXThenZ)
{
    WorldTestScene world;
    PlacedEntity placed(world);
    plainEntity& object = placed.object;

    object.setRotation({90, 90, 0});
    EXPECT_TRUE(object.orientation.equals(object.sceneNode->getOrientation(), Ogre::Degree(0.1f)));
    // X first carries +Y onto +Z, then Y carries +Z onto +X.
    expectNear(object.orientation * Ogre::Vector3::UNIT_Y, Ogre::Vector3::UNIT_X);
    object.setRotation({0, 0, 90});
    expectNear(object.orientation * Ogre::Vector3::UNIT_X, Ogre::Vector3::UNIT_Y);
}

TEST(EntityTransform, AppliesTurnsToTheSavedOrientationAndCachesTheEulerAngles)
{
    WorldTestScene world;
    PlacedEntity placed(world);
    plainEntity& object = placed.object;
    object.setRotation({0, 90, 0});
    object.saveOrientation();
    EXPECT_EQ(object.savedOrientation, object.sceneNode->getOrientation());

    object.applyRotation({0, 30, 0});
    expectNear(object.rotation, {0, 120, 0});
    // A second turn starts again from the saved orientation.
    object.applyRotation({0, 30, 0});
    expectNear(object.rotation, {0, 120, 0});
    EXPECT_EQ(object.orientation, object.sceneNode->getOrientation());

    object.applyRotation({0, 0, 0});
    EXPECT_TRUE(object.orientation.equals(object.savedOrientation, Ogre::Degree(0.1f)));
}

TEST(EntityTransform, SavesTheNodePositionAndWorldPosition)
{
    WorldTestScene world;
    PlacedEntity placed(world);
    placed.parent->setPosition(0, 5, 0);
    placed.object.setPosition({1, 0, 0});
    placed.object.savePosition();
    EXPECT_EQ(placed.object.savedPosition, Ogre::Vector3(1, 0, 0));
    expectNear(placed.object.savedDerivedPosition, {1, 5, 0});
}

TEST(EntityTransform, NonFiniteNumbersNeverReachTheNode)
{
    WorldTestScene world;
    PlacedEntity placed(world);
    plainEntity& object = placed.object;

    object.setPosition({notANumber, 1, infinity});
    EXPECT_EQ(object.sceneNode->getPosition(), Ogre::Vector3(0, 1, 0));
    EXPECT_EQ(object.position, Ogre::Vector3(0, 1, 0));
    object.setWorldPosition({2, notANumber, 3});
    expectNear(object.sceneNode->getPosition(), {2, 0, 3});
    object.setScale({notANumber, 2, -infinity});
    EXPECT_EQ(object.sceneNode->getScale(), Ogre::Vector3(1, 2, 1));
    object.setRotation({notANumber, 0, 0});
    EXPECT_EQ(object.rotation, Ogre::Vector3::ZERO);
    EXPECT_FALSE(object.sceneNode->getOrientation().isNaN());
    object.applyRotation({0, infinity, 0});
    EXPECT_FALSE(object.sceneNode->getOrientation().isNaN());

    // A parent of zero scale has no finite local position for a world position.
    placed.parent->setScale(0, 0, 0);
    world.updateTransforms();
    object.setWorldPosition({5, 5, 5});
    EXPECT_FALSE(object.sceneNode->getPosition().isNaN());
}
