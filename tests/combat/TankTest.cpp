// The tank: its turret, cannon and muzzle found beside the hull's mesh, and
// the turret turning and the cannon tilting toward the ship.
#include "combat/MovingEnemyRig.h"
#include "support/FrameStep.h"
#include "support/LogCapture.h"

#include "app/CameraProjection.h"
#include "combat/Tank.h"

#include <OgreEntity.h>
#include <OgreMesh.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

} // namespace

TEST(TankTest, TheTurretAndCannonMeshesAreFoundByTheHullsNameWithStandInsForWhatIsMissing)
{
    struct Case {
        std::string hull;
        std::string turret;
        std::string cannon; // empty: no cannon
    };
    const Case cases[] = {{"tankA.mesh", "tankA_TURRET.mesh", "tankA_CANNON.mesh"},
                          {"tankB.mesh", "tankB_TURRET.mesh", ""},
                          {"tankC.mesh", "interro.mesh", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hull);
        PlayerScene scene;
        RenamedMeshes meshes{{"tankA.mesh", "crate.mesh"},
                              {"tankA_TURRET.mesh", "rock.mesh"},
                              {"tankA_CANNON.mesh", "pillar.mesh"},
                              {"tankB.mesh", "crate.mesh"},
                              {"tankB_TURRET.mesh", "rock.mesh"}};
        LogCapture log;
        Tank tank;
        tank.isSteering = 1;
        tank.turOffset = {0.0f, 2.0f, 0.0f};
        tank.canOffset = {0.0f, 1.0f, -1.0f};
        tank.canHoleOffset = {0.0f, 0.0f, -3.0f};
        MovingEnemyRig rig(scene, tank);
        rig.wave.meshName = c.hull;

        tank.placeInScene(rig.parent, Ogre::Quaternion::IDENTITY, &scene.level, scene.world.scene);

        ASSERT_NE(tank.turretEntity, nullptr);
        EXPECT_EQ(tank.turretEntity->getMesh()->getName(), c.turret);
        EXPECT_EQ(tank.turretEntity->getParentSceneNode(), tank.turretMeshNode);
        const auto reported = std::count(log.lines.begin(), log.lines.end(),
                                         "[ERROR] can't find turret mesh: tankC_TURRET.mesh");
        EXPECT_EQ(reported, c.hull == "tankC.mesh" ? 1 : 0);
        EXPECT_EQ(tank.hasCannon, c.cannon.empty() ? 0 : 1);
        EXPECT_EQ(tank.cannonEntity ? tank.cannonEntity->getMesh()->getName() : "", c.cannon);
        EXPECT_EQ(tank.turretNode->getParentSceneNode(), tank.offsetNode);
        EXPECT_EQ(tank.turretNode->getPosition(), tank.turOffset);
        EXPECT_EQ(tank.cannonNode->getPosition(), tank.canOffset);
        // The first gun of each set hangs on the muzzle, cannon or not.
        ASSERT_NE(tank.muzzleNode, nullptr);
        EXPECT_EQ(tank.muzzleNode->getParentSceneNode(), tank.cannonNode);
        EXPECT_EQ(tank.muzzleNode->getPosition(), tank.canHoleOffset);

        tank.destroyMesh();

        EXPECT_EQ(tank.turretEntity, nullptr);
        EXPECT_EQ(tank.cannonEntity, nullptr);
        EXPECT_EQ(tank.turretNode, nullptr);
        EXPECT_EQ(tank.muzzleNode, nullptr);
    }
}

TEST(TankTest, TheTurretTurnsTheShortWayWithinItsSpeedAndLimitsAndTheCannonTiltsWithinItsOwn)
{
    struct Case {
        const char* what;
        float turSpeed;
        float canSpeed;
        Ogre::Vector2 turretLimits;
        float cannonHeight; // of the cannon node over the turret
        float canLimitS;
        Ogre::Vector2 target; // x and z from the tank
        float startYaw;
        std::uint32_t shipStatus;
        int frames;
        float yaw;
        float pitch;
    };
    const float quarter = Ogre::Math::PI * 0.25f;
    const float yawBehind = -3.0f;
    const Case cases[] = {
        {"a frame's turn", 1.0f, 3.0f, {-1.0f, 360.0f}, -20.0f, -90.0f, {20.0f, 0.0f}, 0.0f, Player::statusPlaying, 1,
         -1.0f / 120.0f, 0.05f},
        {"a free turret", 100.0f, 100.0f, {-1.0f, 360.0f}, -20.0f, -90.0f, {20.0f, 0.0f}, 0.0f, Player::statusPlaying,
         60, -2.0f * quarter, quarter},
        {"a range of 90 degrees", 100.0f, 100.0f, {-1.0f, 90.0f}, 20.0f, -1.0f, {20.0f, 0.0f}, 0.0f,
         Player::statusPlaying, 60, -quarter, -1.0f * 0.017453292f},
        {"a target behind", 60.0f, 0.0f, {-1.0f, 360.0f}, 0.0f, -1.0f,
         {-20.0f * std::sin(yawBehind), -20.0f * std::cos(yawBehind)}, 3.0f, Player::statusPlaying, 1, yawBehind, 0.0f},
        {"a ship not alive", 100.0f, 100.0f, {-1.0f, 360.0f}, -20.0f, -90.0f, {20.0f, 0.0f}, 0.3f, Player::statusOut,
         60, 0.3f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerScene scene;
        RenamedMeshes meshes{{"tankA.mesh", "crate.mesh"}, {"tankA_TURRET.mesh", "rock.mesh"}};
        Tank tank;
        tank.isSteering = 1;
        tank.turSpeed = c.turSpeed;
        tank.canSpeed = c.canSpeed;
        tank.turretLimits = c.turretLimits;
        tank.canLimitS = c.canLimitS;
        tank.canOffset = {0.0f, c.cannonHeight, 0.0f};
        MovingEnemyRig rig(scene, tank);
        rig.wave.meshName = "tankA.mesh";
        tank.placeInScene(rig.parent, Ogre::Quaternion::IDENTITY, &scene.level, scene.world.scene);
        // The ship's height and the tank's are one: the aim plane passes through both.
        const Ogre::Vector3 ship = scene.player.meshNode->_getDerivedPosition();
        rig.parent->setPosition(0.0f, ship.y, 0.0f);
        tank.playCamera =
            scene.world.addCamera("TankAimCam", {0.0f, ship.y + 200.0f, 1.0f}, {0.0f, ship.y, 0.0f});
        worldToScreen(scene.player.screenPosition, {c.target.x, ship.y, c.target.y}, *tank.playCamera);
        scene.player.status = c.shipStatus;
        tank.turretAngles.yaw = c.startYaw;

        for (int i = 0; i < c.frames; ++i)
            tank.move(frame, {}, &scene.player);

        EXPECT_NEAR(tank.turretAngles.yaw, c.yaw, 1e-3f);
        EXPECT_NEAR(tank.cannonAngles.pitch, c.pitch, 1e-3f);
        if (c.shipStatus == Player::statusPlaying) {
            const Ogre::Quaternion turned(Ogre::Radian(c.yaw), Ogre::Vector3::UNIT_Y);
            EXPECT_TRUE(tank.turretNode->getOrientation().equals(turned, Ogre::Radian(1e-3f)));
        }
    }
}
