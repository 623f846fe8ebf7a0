// A laser beam drawn by its gun: the strip lies from the gun to the beam's
// record, as wide as the gun's scale asks, in the texture's colour, and is
// gone once the released beam has faded.
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/materials/ShotMaterials.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(BeamRender, ABeamShowsFromTheGunToItsEndAndIsGoneAfterItFades)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RenderScene scene;
    CurrentLevel play;
    LogCapture log;
    {
        Weapon gun;
        gun.sceneManager = scene.scene;
        gun.level = &play.level;
        gun.parentNode = scene.scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(-6.0f, 0.0f, 2.0f));
        gun.sceneNode = gun.parentNode->createChildSceneNode();
        gun.rotationNode = gun.sceneNode->createChildSceneNode();
        gun.isLaser = gun.laserHasAlpha = 1;
        gun.laserSfxStartName = gun.laserSfxEndName = gun.impactSfxName = "none";
        gun.laserTexture = "rockStone.png";
        gun.laserTextureAspect = createLaserMaterials(gun.laserTexture);
        gun.bulletScale = 0.5f; // 3 units wide
        gun.createLaserEffects();
        gun.cycleState = Weapon::cycleShooting;
        gun.isFiring = 1;
        gun.fireLaser(Ogre::Vector3::ZERO, Ogre::Vector3::UNIT_X);
        ASSERT_EQ(gun.beams.size(), 1u);
        // The record has flown 12 units along +X.
        gun.beams.front()->node->setPosition(12.0f, 0.0f, 0.0f);
        gun.laserEndPoint = Ogre::Vector3(6.0f, 0.0f, 2.0f);
        gun.laserIntensity = 1.0f;
        gun.updateLasers(1.0 / 60.0);
        scene.renderFrame();
        scene.keepFrame("beam");
        const Ogre::ColourValue rock = rgb(0xc03020);
        for (const Ogre::Vector3& on : {Ogre::Vector3(0.0f, 0.0f, 2.0f), Ogre::Vector3(-3.0f, 0.0f, 3.2f),
                                        Ogre::Vector3(4.0f, 0.0f, 0.8f)})
            EXPECT_COLOUR(scene.colourAt(on), rock) << on;
        // Beside the beam, behind the gun and past the end.
        for (const Ogre::Vector3& off : {Ogre::Vector3(0.0f, 0.0f, 4.5f), Ogre::Vector3(0.0f, 0.0f, -0.5f),
                                         Ogre::Vector3(-7.5f, 0.0f, 2.0f), Ogre::Vector3(7.5f, 0.0f, 2.0f)})
            EXPECT_COLOUR(scene.colourAt(off), Ogre::ColourValue::Black) << off;

        gun.isFiring = 0;
        gun.cycleState = Weapon::cycleWaiting;
        for (int step = 0; step < 10; ++step)
            gun.updateLasers(1.0 / 60.0);
        EXPECT_TRUE(gun.beams.empty());
        scene.renderFrame();
        EXPECT_COLOUR(scene.colourAt(Ogre::Vector3(0.0f, 0.0f, 2.0f)), Ogre::ColourValue::Black);
        gun.destroyLaserEffects();
    }
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
    EXPECT_FALSE(log.containsPrefix("Can't assign material"));
}

} // namespace
