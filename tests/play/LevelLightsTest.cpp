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

} // namespace
