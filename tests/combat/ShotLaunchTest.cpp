// Launching shot records: the shape, place, facing and speed a launch
// gives a record.
#include "ShotFlightScene.h"

#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "support/ShotTwin.h"
#include "world/Obb.h"

#include <OgreManualObject.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class ShotLaunch : public ::testing::Test {
protected:
    ShotLaunch()
    {
        play.level.create(play.world.scene);
        play.level.resetShotPools();
    }

    // A record of the pool launched from the position in the direction,
    // with the gun's flight settings copied in first by `setUp`.
    template <typename SetUp>
    bullet* fire(const Ogre::Vector3& position, Ogre::Vector3 direction, SetUp setUp)
    {
        bullet* record = play.level.takeBullet(false);
        record->velocity = direction;
        setUp(*record);
        record->launch(nullptr, position, 1.0f, direction, nullptr, nullptr);
        play.world.updateTransforms();
        return record;
    }

    ShotFlightScene play;
};

TEST_F(ShotLaunch, TakesItsShapeFromTheDefinitionOrTheStandIn)
{
    bulletDefinition wide;
    wide.width = 2.0f;
    wide.heigth = 3.0f;
    wide.obbwidth = 5.0f;
    wide.obbheigth = 6.0f;
    wide.isSprite = 1;
    struct Case {
        const bulletDefinition* definition;
        float scale;
        Ogre::Vector3 nodeScale;
        Ogre::Vector2 outline;
        std::uint8_t isSprite;
    };
    const Case cases[] = {
        {nullptr, 2.0f, {2.0f, 1.0f, 2.0f}, {4.0f, 2.0f}, 0},
        {&wide, 1.0f, {2.0f, 1.0f, 3.0f}, {5.0f, 6.0f}, 1},
        // Too small a scale is raised to a tenth.
        {&wide, 0.01f, {0.2f, 1.0f, 0.3f}, {5.0f, 6.0f}, 1},
    };
    for (const Case& c : cases) {
        bullet* shot = play.level.takeBullet(false);
        Ogre::Vector3 direction(0.0f, 0.0f, -1.0f);
        shot->launch(nullptr, Ogre::Vector3(1.0f, 2.0f, 3.0f), c.scale, direction, nullptr, c.definition);
        EXPECT_EQ(shot->state, bullet::stateFlying);
        EXPECT_TRUE(shot->size.positionEquals(c.nodeScale, 1e-5f));
        EXPECT_EQ(shot->position, Ogre::Vector3(1.0f, 2.0f, 3.0f));
        EXPECT_EQ(shot->parent->getName(), "CamNode1");
        // A sprite shot has no node of its own.
        EXPECT_EQ(shot->node, nullptr);
        EXPECT_FLOAT_EQ(shot->obb->size.x, c.outline.x);
        EXPECT_FLOAT_EQ(shot->obb->size.y, c.outline.y);
        EXPECT_EQ(shot->isSprite, c.isSprite);
        EXPECT_NEAR(shot->cullRadius, c.nodeScale.x * 2.5f, 1e-5f);
    }
}

TEST_F(ShotLaunch, FacesAndSpeedsUpAlongItsDirection)
{
    struct Case {
        const char* what;
        Ogre::Vector3 velocityBefore;
        Ogre::Vector3 direction;
        float speed;
        std::uint8_t isSideAsset;
        Ogre::Vector3 facing;
        Ogre::Vector3 velocity;
        Ogre::Vector3 heading;
    };
    const Ogre::Vector3 east(1.0f, 0.0f, 0.0f);
    const Ogre::Vector3 north(0.0f, 0.0f, -1.0f);
    const Case cases[] = {
        {"plain", east, east, 10.0f, 0, east, east * 10.0f, east * 10.0f},
        {"backwards speed", east, east, -4.0f, 0, east, east * 4.0f, east * 4.0f},
        {"still", east, east, 0.0f, 0, east, east * 0.001f, east * 0.01f},
        {"no direction keeps the heading", east, Ogre::Vector3::ZERO, 2.0f, 0, east, east * 2.0f, east * 2.0f},
        // A side asset's model lies turned by a quarter: (x, y, z) faces (z, y, -x).
        {"side asset", east, north, 1.0f, 1, -east, east, east},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bullet* shot = fire(Ogre::Vector3::ZERO, c.direction, [&](bullet& b) {
            b.velocity = c.velocityBefore;
            b.speed = c.speed;
            b.isSideAsset = c.isSideAsset;
        });
        const Ogre::Vector3 forward = shot->orientation * Ogre::Vector3::NEGATIVE_UNIT_Z;
        EXPECT_TRUE(forward.positionEquals(c.facing, 1e-4f)) << forward;
        EXPECT_TRUE(shot->velocity.positionEquals(c.velocity, 1e-5f)) << shot->velocity;
        EXPECT_TRUE(shot->heading.positionEquals(c.heading, 1e-5f)) << shot->heading;
        EXPECT_FLOAT_EQ(shot->startSpeed, c.speed);
    }
}

TEST_F(ShotLaunch, TurnsAtOnceForAGradualTurnWithoutDuration)
{
    const bullet* shot = fire(Ogre::Vector3::ZERO, Ogre::Vector3(1.0f, 0.0f, 0.0f), [](bullet& b) {
        b.speed = 3.0f;
        b.changeDirectionType = 6;
        b.changeDirectionDuration = 0.0f;
        b.changeDirectionAngle = 90.0f;
    });
    EXPECT_TRUE(shot->turnedDirection.positionEquals(Ogre::Vector3(0.0f, 0.0f, 3.0f), 1e-4f));
    EXPECT_TRUE(shot->velocity.positionEquals(Ogre::Vector3(0.0f, 0.0f, 1.0f), 1e-4f));
    EXPECT_TRUE(shot->heading.positionEquals(Ogre::Vector3(0.0f, 0.0f, 3.0f), 1e-4f));
}

TEST_F(ShotLaunch, NumbersThatAreNotFiniteNeverReachTheScene)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const bullet* shot = fire(Ogre::Vector3(nan, 5.0f, inf), Ogre::Vector3(nan, 0.0f, 1.0f), [&](bullet& b) {
        b.speed = inf;
        b.acceleration = nan;
    });
    EXPECT_EQ(shot->position, Ogre::Vector3(0.0f, 5.0f, 0.0f));
    EXPECT_TRUE(std::isfinite(shot->speed));
    EXPECT_TRUE(std::isfinite(shot->velocity.x) && std::isfinite(shot->velocity.z));
    EXPECT_TRUE(std::isfinite(shot->acceleration));
}

TEST_F(ShotLaunch, ShowsTheEffectsOfARecordItsPoolHid)
{
    Weapon trailed;
    trailed.sfxType = "Bullet_Trail";
    bullet* shot = play.level.takeBullet(false);
    shot->createNode();
    Ogre::ManualObject* effect = play.world.scene->createManualObject();
    shot->effectNode->attachObject(effect);
    play.level.resetShotPools();
    EXPECT_FALSE(effect->getVisible());
    ASSERT_EQ(play.level.takeBullet(false), shot);
    Ogre::Vector3 direction(0.0f, 0.0f, -1.0f);
    shot->launch(&trailed, Ogre::Vector3::ZERO, 1.0f, direction, nullptr, nullptr);
    EXPECT_TRUE(effect->getVisible());
    EXPECT_TRUE(shot->isNodePlaced());
    // A beam's record is never seen.
    shot->isLaser = 1;
    shot->launch(&trailed, Ogre::Vector3::ZERO, 1.0f, direction, nullptr, nullptr);
    EXPECT_FALSE(effect->getVisible());
    shot->isLaser = 0;
    // A flight without a trail keeps the node out of the scene.
    shot->launch(nullptr, Ogre::Vector3::ZERO, 1.0f, direction, nullptr, nullptr);
    EXPECT_FALSE(shot->isNodePlaced());
}

TEST_F(ShotLaunch, MovesUnderTheGivenParentAndTakesItsScale)
{
    Ogre::SceneNode* parent = play.world.addNode();
    bullet* shot = play.level.takeBullet(true);
    Ogre::Vector3 direction(0.0f, 0.0f, -1.0f);
    shot->launch(nullptr, Ogre::Vector3::ZERO, 1.0f, direction, parent, nullptr);
    EXPECT_EQ(shot->parent, parent);
    parent->setScale(2.0f, 2.0f, 2.0f);
    EXPECT_EQ(shot->worldPosition(), Ogre::Vector3::ZERO);
    shot->position = Ogre::Vector3(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(shot->worldPosition(), Ogre::Vector3(2.0f, 0.0f, 0.0f));
}

// A launch works out the shot node's world transform from its parent's
// instead of making Ogre derive it: the facing, cull radius and first screen
// outline must be the ones Ogre gives under a turned, scaled and moved rig
// or parent, for a fresh facing, a half turn, and a facing kept from a
// rolled node along the velocity.
TEST_F(ShotLaunch, FacesAndOutlinesAsOgreDerivesUnderAnyParent)
{
    bulletDefinition oblong;
    oblong.width = 2.0f;
    oblong.heigth = 3.0f;
    oblong.obbwidth = 5.0f;
    oblong.obbheigth = 6.0f;
    Ogre::SceneNode* rig = play.world.scene->getSceneNode("CamNode1");
    Ogre::SceneNode* other = play.world.addNode();
    const Ogre::Quaternion tilted(Ogre::Degree(30.0f), Ogre::Vector3(1.0f, 2.0f, 0.5f).normalisedCopy());
    const Ogre::Quaternion yawed(Ogre::Degree(-70.0f), Ogre::Vector3::UNIT_Y);
    const Ogre::Quaternion rolled(Ogre::Degree(40.0f), Ogre::Vector3::UNIT_Z);
    const Ogre::Vector3 ahead(0.0f, 0.0f, 1.0f);
    struct Case {
        const char* what;
        Ogre::SceneNode* parent;
        Ogre::Quaternion turn;
        Ogre::Vector3 scale;
        Ogre::Vector3 move;
        Ogre::Vector3 direction;
        Ogre::Vector3 velocity;
    };
    const Case cases[] = {
        {"under the rig", rig, tilted, {1.5f, 1.5f, 1.5f}, {10.0f, -5.0f, 20.0f}, {1.0f, 0.0f, -1.0f}, ahead},
        {"under a parent", other, yawed, {2.0f, 0.5f, 3.0f}, {-30.0f, 4.0f, 8.0f}, {0.3f, 0.0f, -1.0f}, ahead},
        {"half turn", other, tilted, {0.5f, 2.0f, 1.0f}, {3.0f, 0.0f, -6.0f}, ahead, ahead},
        {"kept facing", other, tilted, {1.0f, 1.0f, 2.0f}, {0.0f, 1.0f, 2.0f}, Ogre::Vector3::ZERO, {0.6f, 0.0f, 0.8f}},
        {"kept facing, half turn", rig, yawed, {1.0f, 2.0f, 1.0f}, {0.0f, 1.0f, 2.0f}, Ogre::Vector3::ZERO, ahead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.parent->setOrientation(c.turn);
        c.parent->setScale(c.scale);
        c.parent->setPosition(c.move);
        play.world.updateTransforms();
        Ogre::SceneNode* launchParent = c.parent == rig ? nullptr : c.parent;
        bullet* shot = play.level.takeBullet(false);
        Ogre::Vector3 first = ahead;
        shot->launch(nullptr, Ogre::Vector3::ZERO, 1.0f, first, launchParent, &oblong);
        shot->orientation = rolled;
        shot->velocity = c.velocity;
        Ogre::Vector3 direction = c.direction;
        shot->launch(nullptr, Ogre::Vector3(-3.0f, 2.0f, 5.0f), 1.5f, direction, launchParent, &oblong);
        ASSERT_EQ(shot->parent, c.parent);
        // Ogre's own facing, on a twin of the node as it was before the launch.
        Ogre::SceneNode* twin = c.parent->createChildSceneNode();
        twin->setOrientation(c.direction == Ogre::Vector3::ZERO ? rolled : Ogre::Quaternion::IDENTITY);
        twin->setDirection(c.direction == Ogre::Vector3::ZERO ? c.velocity : c.direction, Ogre::Node::TS_PARENT,
                           Ogre::Vector3::NEGATIVE_UNIT_Z);
        const Ogre::Quaternion& facing = shot->orientation;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(facing[i], twin->getOrientation()[i], 1e-5f) << i;
        Ogre::SceneNode* placed = nodeTwinOf(*shot);
        EXPECT_NEAR(shot->cullRadius, placed->_getDerivedScale().x * 2.5f, 1e-5f);
        // Ogre's own outline: projected from the derived transform of a node
        // where the record is.
        Obb derived;
        derived.isAttached = 1;
        derived.size = shot->obb->size;
        derived.bindCamera(play.world.scene, placed);
        derived.init();
        derived.updateScreenPolygon();
        EXPECT_TRUE(shot->obb->centre.positionEquals(derived.centre, 1e-5f));
        ASSERT_EQ(shot->obb->outline.size(), derived.outline.size());
        for (std::size_t i = 0; i < derived.outline.size(); ++i)
            EXPECT_TRUE(shot->obb->outline[i].positionEquals(derived.outline[i], 1e-5f)) << i;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(shot->obb->worldCorners[i].positionEquals(derived.worldCorners[i], 1e-4f)) << i;
    }
}

} // namespace
