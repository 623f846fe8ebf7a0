// A shot's step works out its world place itself: checked against Ogre's
// own derivation for a node where the record is, under a moved, turned or
// unevenly scaled parent, and its view test against Ogre's sphere test, with
// a far plane, without one and through a culling frustum.
#include "ShotFlightScene.h"

#include "combat/PlayPlane.h"
#include "combat/bulletDefinition.h"
#include "support/ShotTwin.h"
#include "support/VectorChecks.h"

#include <OgreSphere.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using V = Ogre::Vector3;
using Q = Ogre::Quaternion;

struct ParentCase {
    const char* name;
    V position;
    Q orientation;
    V scale;
};

const ParentCase parentCases[] = {
    {"rig at rest", V::ZERO, Q::IDENTITY, V::UNIT_SCALE},
    {"rig moved and turned", V(30, -5, 12), Q(Ogre::Degree(40), V::UNIT_Y), V::UNIT_SCALE},
    {"rig tilted and unevenly scaled", V(-8, 0, 4), Q(Ogre::Degree(25), V(1, 3, 2).normalisedCopy()), V(1.5f, 0.5f, 2)},
};

TEST(ShotPlacement, CornersFacingAndSceneUpdateAgreeWithOgresDerivedTransform)
{
    bulletDefinition sprite;
    sprite.isSprite = 1;
    for (const ParentCase& c : parentCases) {
        for (const std::int32_t mode : {1, 3, 6}) {
            const std::string what = std::string(c.name) + ", mode " + std::to_string(mode);
            ShotFlightScene scene;
            Ogre::SceneNode* rig = scene.world.scene->getSceneNode("CamNode1");
            rig->setPosition(c.position);
            rig->setOrientation(c.orientation);
            rig->setScale(c.scale);
            bullet& shot = scene.looseRecord();
            shot.changeDirectionType = mode;
            shot.changeDirectionAngle = 90.0f;
            shot.speed = 10.0f;
            shot.velocity = V::UNIT_X;
            V direction = V::NEGATIVE_UNIT_Z;
            shot.launch(nullptr, V(3, 0, -2), 1.0f, direction, nullptr, &sprite);
            // The turns end after a second: the shot then flies straight on
            // and faces the camera.
            ShotFlightScene::fly(shot, 1.25);
            const Ogre::SceneNode* placed = nodeTwinOf(shot);
            scene.world.updateTransforms();
            const V at = placed->_getDerivedPosition();
            EXPECT_EQ(shot.worldPosition(), at) << what;
            const Ogre::Affine3& full = placed->_getFullTransform();
            const std::array<V, 4> quad{V(-2, 0, -2), V(2, 0, -2), V(2, 0, 2), V(-2, 0, 2)};
            ASSERT_TRUE(shot.isVisible) << what;
            for (std::size_t i = 0; i < quad.size(); ++i)
                expectNear(shot.corners[i], full * quad[i], what + ", corner " + std::to_string(i));
            const V up = placed->_getDerivedOrientation() * V::UNIT_Y;
            expectNear(up, (scene.camera->getRealPosition() - at).normalisedCopy(), what + ", facing");
        }
    }
}

TEST(ShotPlacement, TheViewTestIsOgresSphereTest)
{
    // The camera 200 above the origin sees about 147 units to each side and
    // 82 up and down the screen, from 1 to 5000 units away.
    const V points[] = {V(0, 0, 0),   V(146, 0, 0),   V(150, 0, 0),   V(-155, 0, 0),  V(0, 0, 84),
                        V(0, 0, -90), V(0, 205, 0),   V(0, -4795, 0), V(0, -4810, 0), V(0, -9000, 0)};
    enum Frustum { withFarPlane, withoutFarPlane, throughCullingFrustum };
    for (const Frustum frustum : {withFarPlane, withoutFarPlane, throughCullingFrustum}) {
        ShotFlightScene scene;
        if (frustum == withoutFarPlane)
            scene.camera->setFarClipDistance(0.0f);
        if (frustum == throughCullingFrustum)
            scene.camera->setCullingFrustum(scene.world.addCamera("Culling", V(40, 300, 0), V(40, 0, 0)));
        for (const V& point : points) {
            bullet& shot = scene.looseRecord();
            ShotFlightScene::launch(shot, point, V::NEGATIVE_UNIT_Z, 0.0f);
            ShotFlightScene::fly(shot, ShotFlightScene::step);
            EXPECT_EQ(shot.isVisible, scene.camera->isVisible(Ogre::Sphere(point, shot.cullRadius)))
                << frustum << " " << point;
        }
    }
}

TEST(ShotPlacement, TurnsInThePlayPlaneAreOgresShortestTurns)
{
    const std::array<V, 2> pairs[] = {{V(1, 0, 0), V(0, 0, 1)},   {V(0, 0, -1), V(0.3f, 0, -1)},
                                      {V(2, 0, 0), V(4, 0, 0)},   {V(1, 0, 0), V(-1, 0, 0)},
                                      {V(0, 0, 1), V(0, 0, -3)},  {V(0, 0, 0), V(1, 0, 0)},
                                      {V(-3, 0, 1), V(1, 0, 0.5f)}};
    for (const auto& pair : pairs) {
        const Q expected = pair[0].getRotationTo(pair[1]);
        const Q turn = yawBetween(pair[0], pair[1]);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(turn[i], expected[i], 1e-6f) << pair[0] << " to " << pair[1] << ": " << expected;
    }
}

} // namespace
