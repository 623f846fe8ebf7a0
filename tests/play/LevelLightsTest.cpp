// The Level's sun and ambient light: colours scaled by their strengths and
// the sun turned about X, then Y, then Z.
#include "world/WorldTestScene.h"

#include "core/Game.h"
#include "play/Level.h"

#include <OgreLight.h>
#include <OgreMatrix3.h>

#include <gtest/gtest.h>

namespace {

TEST(LevelLights, TheSunAndAmbientTakeTheirStrengthsAndTheSunItsAngles)
{
    WorldTestScene world;
    Game& game = *Game::getSingletonPtr();
    game.sceneManager = world.scene;
    Level level;
    level.sunNode = world.addNode();
    Ogre::Light* sun = world.scene->createLight("sun");
    level.sunNode->attachObject(sun);
    level.Col = Ogre::ColourValue(1.0f, 0.5f, 0.25f, 1.0f), level.SunInt = 2.0f;
    level.Amb = Ogre::ColourValue(0.2f, 0.4f, 0.6f, 1.0f), level.AmbiantInt = 0.5f;
    level.Rot = Ogre::Vector3(30.0f, 45.0f, 60.0f);
    level.setAmbientLight();

    EXPECT_EQ(sun->getDiffuseColour(), Ogre::ColourValue(2.0f, 1.0f, 0.5f, 2.0f));
    EXPECT_EQ(world.scene->getAmbientLight(), Ogre::ColourValue(0.1f, 0.2f, 0.3f, 0.5f));
    EXPECT_EQ(level.sunNode->getPosition(), Ogre::Vector3(0.0f, 100.0f, 0.0f));
    Ogre::Matrix3 turn;
    turn.FromEulerAnglesXYZ(Ogre::Degree(30.0f), Ogre::Degree(45.0f), Ogre::Degree(60.0f));
    EXPECT_TRUE(level.sunNode->getOrientation().equals(Ogre::Quaternion(turn), Ogre::Degree(0.01f)));
    game.sceneManager = nullptr;
}

TEST(LevelLights, TheExplosionLightFadesAndGoesOutWithoutARangeOfNothing)
{
    WorldTestScene world;
    Game& game = *Game::getSingletonPtr();
    game.isExplosionSpawnLight = true;
    Level level;
    level.create(world.scene);
    Ogre::Light* light = level.explosionLight;
    ASSERT_NE(light, nullptr);
    ASSERT_NE(level.sunNode, nullptr);
    EXPECT_TRUE(world.scene->getLight("sun")->getCastShadows());

    level.flashExplosionLight(Ogre::Vector3(1.0f, 2.0f, 3.0f), 500, Ogre::ColourValue::Red);
    EXPECT_TRUE(light->isVisible());
    EXPECT_EQ(level.explosionLightNode->getPosition(), Ogre::Vector3(1.0f, 2.0f, 3.0f));
    level.update(0.4);
    EXPECT_FLOAT_EQ(level.explosionLightRange, 400.0f);
    EXPECT_FLOAT_EQ(light->getAttenuationRange(), 400.0f);
    EXPECT_FLOAT_EQ(light->getAttenuationLinear(), 4.5f / 400.0f);
    EXPECT_DOUBLE_EQ(level.playClock, 0.4);

    // Faded past nothing: out, with no division by a range of 0.
    level.updateExplosionLight(2.0);
    EXPECT_FALSE(light->isVisible());
    EXPECT_FLOAT_EQ(light->getAttenuationRange(), 400.0f);
    level.updateExplosionLight(0.1);
    EXPECT_EQ(level.explosionLightRange, 0.0f);
    level.flashExplosionLight(Ogre::Vector3::ZERO, 0, Ogre::ColourValue::Red);
    EXPECT_FALSE(light->isVisible());

    game.isExplosionSpawnLight = false;
    level.flashExplosionLight(Ogre::Vector3::ZERO, 300, Ogre::ColourValue::Red);
    EXPECT_FALSE(light->isVisible());

    // The level's manual objects go with it; a name the scene no longer has
    // is passed over.
    world.addNode()->attachObject(world.scene->createManualObject("levelLine"));
    level.manualObjects->names = {"levelLine", "goneAlready"};
    level.destroy();
    EXPECT_FALSE(world.scene->hasLight("Explosion01"));
    EXPECT_FALSE(world.scene->hasLight("sun"));
    EXPECT_FALSE(world.scene->hasManualObject("levelLine"));
}

} // namespace
