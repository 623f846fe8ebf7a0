// The Level's layers in the render queues: each object's stored layer
// follows the position of its layer id in the layer order, and scrolling
// layers carry their backgrounds.
#include "world/WorldTestScene.h"

#include "core/Game.h"
#include "play/Level.h"
#include "world/background.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

TEST(LevelLayers, EachBackgroundTakesThePositionOfItsLayerInTheOrder)
{
    const struct {
        const char* name;
        std::vector<std::int32_t> order;
        std::uint32_t layerId;
        std::uint8_t storedLayer;
    } table[] = {
        {"first in the order", {7, 3, 5}, 7, 0},
        {"last in the order", {7, 3, 5}, 5, 2},
        {"absent from the order", {7, 3, 5}, 9, 0},
        {"no order at all", {}, 5, 0},
        {"tenth and beyond skip the effects' group", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10, 11},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        Level level;
        for (const std::int32_t id : row.order)
            level.layers[id].number = id;
        level.layerOrder = row.order;
        background placed;
        placed.layerId = row.layerId;
        placed.priority = 1003;
        level.backgrounds.push_back(&placed);
        level.assignRenderQueues();
        EXPECT_EQ(placed.layer, row.storedLayer);
        EXPECT_EQ(placed.priority, 1003);
        EXPECT_EQ(level.topWaveLayerIndex, 0);
        level.backgrounds.clear();
    }
    // Layers without an order still give the first place.
    Level unordered;
    unordered.layers[3].number = 3;
    unordered.layers[5].number = 5;
    EXPECT_EQ(unordered.getLayerIndex(5), 0);
}

TEST(LevelLayers, OnlyBuiltBackgroundsOnAScrollingLayerMoveUnderItsNode)
{
    WorldTestScene world;
    Level level;
    levelLayer& still = level.layers[1];
    still.number = 1;
    still.sceneNode = world.addNode();
    levelLayer& scrolling = level.layers[2];
    scrolling.number = 2;
    scrolling.Y = 50.0f;
    scrolling.sceneNode = world.addNode();
    background onStill, onScrolling, unbuilt;
    onStill.layerId = 1, onStill.sceneNode = world.addNode();
    onScrolling.layerId = 2, onScrolling.sceneNode = world.addNode();
    unbuilt.layerId = 2;
    level.backgrounds = {&onStill, &onScrolling, &unbuilt};

    level.attachEntitiesToLayers();
    EXPECT_EQ(onStill.sceneNode->getParent(), world.scene->getRootSceneNode());
    EXPECT_EQ(onScrolling.sceneNode->getParent(), scrolling.sceneNode);
    level.translateLayers(Ogre::Vector3(10.0f, 0.0f, 0.0f));
    EXPECT_EQ(scrolling.sceneNode->getPosition(), Ogre::Vector3(5.0f, 0.0f, 0.0f));
    EXPECT_EQ(still.sceneNode->getPosition(), Ogre::Vector3::ZERO);

    // The level's teardown lets go of the children before the nodes go.
    level.backgrounds.clear();
    level.destroyLayers();
    EXPECT_EQ(onScrolling.sceneNode->getParent(), nullptr);
    world.scene->destroySceneNode(onScrolling.sceneNode);
    onScrolling.sceneNode = nullptr;
    onStill.sceneNode = nullptr;
}

} // namespace
