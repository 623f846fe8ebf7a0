// The Level's fog as the camera turns it on and off, and its layers moving
// with the camera by their factors.
#include "world/WorldTestScene.h"

#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <gtest/gtest.h>

namespace {

class LevelView : public ::testing::Test {
protected:
    void SetUp() override { game.sceneManager = world.scene; }
    void TearDown() override { game.sceneManager = nullptr; }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    Level level;
};

TEST_F(LevelView, FogOnUsesTheLevelsSettingsAndOffKeepsOnlyItsColour)
{
    level.fogColour = Ogre::ColourValue(0.1f, 0.2f, 0.3f, 1.0f);
    level.fogDensity = 0.05;
    level.fogStart = 20.0;
    level.fogEnd = 400.0;
    level.enableFog(true);
    EXPECT_EQ(world.scene->getFogMode(), Ogre::FOG_EXP2);
    EXPECT_FLOAT_EQ(world.scene->getFogDensity(), 0.05f);
    EXPECT_FLOAT_EQ(world.scene->getFogStart(), 20.0f);
    EXPECT_FLOAT_EQ(world.scene->getFogEnd(), 400.0f);

    level.enableFog(false);
    EXPECT_EQ(world.scene->getFogColour(), level.fogColour);
    EXPECT_FLOAT_EQ(world.scene->getFogDensity(), 0.0f);
    EXPECT_FLOAT_EQ(world.scene->getFogStart(), 0.0f);
    EXPECT_FLOAT_EQ(world.scene->getFogEnd(), 0.0f);
}

TEST_F(LevelView, FogStaysOffWhileTheCamerasModeValueIsNotZero)
{
    GameCamera camera;
    camera.modeValue = 1;
    level.camera = &camera;
    level.enableFog(false);
    level.enableFog(true);
    EXPECT_FLOAT_EQ(world.scene->getFogDensity(), 0.0f);
}

TEST_F(LevelView, LayersMoveByTheirFactorInPercent)
{
    levelLayer& full = level.layers[0];
    full.Y = 100.0f;
    full.sceneNode = world.addNode();
    levelLayer& still = level.layers[1];
    still.sceneNode = world.addNode();
    levelLayer& noNode = level.layers[2];
    noNode.Y = 50.0f;
    level.translateLayers(Ogre::Vector3(4.0f, 0.0f, -2.0f));
    EXPECT_EQ(full.sceneNode->getPosition(), Ogre::Vector3(4.0f, 0.0f, -2.0f));
    EXPECT_EQ(still.sceneNode->getPosition(), Ogre::Vector3::ZERO);
    // No compositors: resizing touches nothing.
    level.resizePostEffects();
}

} // namespace
