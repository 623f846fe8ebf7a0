#include "world/WorldTestScene.h"

#include "app/CameraProjection.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// An owner node in a scene seen by the collision camera, and its outline.
struct OutlineScene {
    OutlineScene() { owner = world.addNode(); }

    // The camera looking down at the origin from above and behind.
    Ogre::Camera* addPlayCameras()
    {
        world.addCamera("PlayCam", {0, 60, 40}, Ogre::Vector3::ZERO);
        return world.addCamera("PlayCollisionCam", {0, 80, 60}, Ogre::Vector3::ZERO);
    }

    void bindAndInit()
    {
        obb.bindCamera(world.scene, owner);
        obb.init();
        world.updateTransforms();
    }

    void project()
    {
        world.updateTransforms();
        obb.updateScreenPolygon();
    }

    WorldTestScene world;
    Ogre::SceneNode* owner = nullptr;
    Obb obb;
};

float largestDistance(const std::vector<Ogre::Vector2>& points, const Ogre::Vector2& centre)
{
    float largest = 0.0f;
    for (const Ogre::Vector2& point : points)
        largest = std::max(largest, point.distance(centre));
    return largest;
}

// Twice the signed area of the turn a, b, c.
float turnOf(const Ogre::Vector2& a, const Ogre::Vector2& b, const Ogre::Vector2& c)
{
    return (b - a).crossProduct(c - b);
}

} // namespace

TEST(Obb, TakesTheCollisionCameraElseThePlayCamera)
{
    OutlineScene withBoth;
    withBoth.addPlayCameras();
    withBoth.bindAndInit();
    EXPECT_EQ(withBoth.obb.collisionCamera, withBoth.world.scene->getCamera("PlayCollisionCam"));

    OutlineScene playOnly;
    Ogre::Camera* play = playOnly.world.addCamera("PlayCam", {0, 60, 40}, Ogre::Vector3::ZERO);
    playOnly.bindAndInit();
    EXPECT_EQ(playOnly.obb.collisionCamera, play);
    playOnly.project();
    Ogre::Vector2 expected;
    worldToScreen(expected, Ogre::Vector3::ZERO, *play);
    EXPECT_NEAR(playOnly.obb.centre.x, expected.x, 1e-6f);
    EXPECT_NEAR(playOnly.obb.centre.y, expected.y, 1e-6f);
}

TEST(Obb, WithoutAPlayCameraProjectsNothing)
{
    OutlineScene scene;
    scene.bindAndInit();
    EXPECT_EQ(scene.obb.collisionCamera, nullptr);
    scene.project();
    EXPECT_EQ(scene.obb.centre, Ogre::Vector2::ZERO);
    EXPECT_EQ(scene.obb.outline, std::vector<Ogre::Vector2>(5, Ogre::Vector2::ZERO));
}

TEST(Obb, PlacesItsOwnNodeAtTheOffsetAndRotation)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.obb.placedPosition = {3, 0, -2};
    scene.obb.rotation = {0, 90, 0};
    scene.bindAndInit();
    Ogre::SceneNode* node = scene.obb.sceneNode;
    ASSERT_NE(node, nullptr);
    EXPECT_NE(node, scene.owner);
    EXPECT_EQ(node->getParentSceneNode(), scene.owner);
    EXPECT_EQ(node->getPosition(), Ogre::Vector3(3, 0, -2));
    EXPECT_TRUE(node->getOrientation().equals(Ogre::Quaternion(Ogre::Degree(90), Ogre::Vector3::UNIT_Y),
                                              Ogre::Degree(0.1f)));
}

TEST(Obb, AttachedOrCustomOutlinesUseTheOwnersNode)
{
    OutlineScene attached;
    attached.obb.isAttached = 1;
    attached.obb.placedPosition = {5, 5, 5};
    attached.bindAndInit();
    EXPECT_EQ(attached.obb.sceneNode, attached.owner);
    EXPECT_EQ(attached.owner->getPosition(), Ogre::Vector3::ZERO) << "an attached outline leaves its owner in place";

    OutlineScene custom;
    custom.obb.isLayered = 1;
    custom.obb.rotation = {0, 45, 0};
    custom.bindAndInit();
    EXPECT_EQ(custom.obb.sceneNode, custom.owner);
    EXPECT_EQ(custom.owner->getOrientation(), Ogre::Quaternion::IDENTITY);
}

TEST(Obb, FlatBoxGivesAClosedQuad)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.bindAndInit();
    scene.project();

    const Obb& obb = scene.obb;
    ASSERT_EQ(obb.outline.size(), 5u);
    EXPECT_EQ(obb.outline[4], obb.outline[0]);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(obb.outline[i], obb.screenPoints[i]);
        EXPECT_EQ(obb.edges[i], obb.outline[i] - obb.outline[i + 1]);
    }
    // Seen from above, the quad lies round the centre of the screen.
    EXPECT_NEAR(obb.centre.x, 0.5f, 1e-5f);
    EXPECT_NEAR(obb.centre.y, 0.5f, 1e-5f);
    EXPECT_LT(obb.outline[0].x, obb.outline[1].x);
}

TEST(Obb, BoxWithHeightGivesAConvexOutlineFromTheLeftmostPoint)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.obb.size = {6, 4, 3};
    scene.obb.rotation = {10, 30, 0};
    scene.bindAndInit();
    scene.project();

    const Obb& obb = scene.obb;
    ASSERT_GE(obb.outline.size(), 4u);
    ASSERT_LE(obb.outline.size(), 9u);
    EXPECT_EQ(obb.outline.front(), obb.leftmost);
    EXPECT_EQ(obb.outline.back(), obb.leftmost);
    EXPECT_EQ(obb.leftmost, *std::min_element(obb.screenPoints.begin(), obb.screenPoints.end(),
                                              [](auto& a, auto& b) { return a.x < b.x; }));
    for (std::size_t i = 0; i + 1 < obb.outline.size(); ++i)
        EXPECT_EQ(obb.edges[i], obb.outline[i] - obb.outline[i + 1]);
    // Every turn goes the same way, and no screen point lies outside.
    const std::size_t corners = obb.outline.size() - 1;
    const float way = turnOf(obb.outline[0], obb.outline[1], obb.outline[2]) > 0.0f ? 1.0f : -1.0f;
    for (std::size_t i = 0; i < corners; ++i) {
        const Ogre::Vector2& from = obb.outline[i];
        const Ogre::Vector2& to = obb.outline[i + 1];
        EXPECT_GT(way * turnOf(from, to, obb.outline[(i + 2) % corners]), 0.0f) << i;
        for (const Ogre::Vector2& point : obb.screenPoints)
            EXPECT_GE(way * turnOf(from, to, point), -1e-7f) << i;
    }
}

TEST(Obb, HullDropsRepeatedPointsAndOrdersEqualXByY)
{
    // Seen straight along -Z without perspective, top and bottom corners fall
    // on the same four screen points, exactly.
    OutlineScene scene;
    scene.world.addFlatCamera("PlayCollisionCam");
    scene.obb.size = {4, 2, 2};
    scene.obb.placedPosition = {0, 0, -10};
    scene.bindAndInit();
    scene.project();

    const std::vector<Ogre::Vector2> expected{
        {0.375f, 0.4375f}, {0.375f, 0.5625f}, {0.625f, 0.5625f}, {0.625f, 0.4375f}, {0.375f, 0.4375f}};
    EXPECT_EQ(scene.obb.outline, expected);
    EXPECT_EQ(scene.obb.leftmost, Ogre::Vector2(0.375f, 0.4375f));
    EXPECT_EQ(scene.obb.rightmost, Ogre::Vector2(0.625f, 0.5625f));
}

TEST(Obb, HullDropsCollinearPoints)
{
    // A custom outline lies in the node's X-Z plane: seen edge on, its eight
    // points fall on one screen line, and only the two ends remain.
    OutlineScene scene;
    scene.world.addFlatCamera("PlayCollisionCam");
    scene.obb.isLayered = 1;
    scene.bindAndInit();
    scene.project();

    const std::vector<Ogre::Vector2> expected{{0.375f, 0.5f}, {0.625f, 0.5f}, {0.375f, 0.5f}};
    EXPECT_EQ(scene.obb.outline, expected);
}

TEST(Obb, RadiusDoublesTheReachAndAddsTheMovement)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.bindAndInit();
    scene.project();
    scene.project();
    Obb& obb = scene.obb;
    EXPECT_EQ(obb.movement, Ogre::Vector2::ZERO);
    EXPECT_FLOAT_EQ(obb.radius, 2.0f * largestDistance(obb.outline, obb.centre));

    const Ogre::Vector2 before = obb.centre;
    scene.owner->setPosition(4, 0, 0);
    scene.project();
    EXPECT_EQ(obb.previousCentre, before);
    EXPECT_EQ(obb.movement, obb.centre - before);
    EXPECT_GT(obb.movement.x, 0.0f);
    EXPECT_FLOAT_EQ(obb.radius, 2.0f * (largestDistance(obb.outline, obb.centre) + obb.movement.length()));
}

TEST(Obb, AttachedRadiusUsesTheFirstOutlinePoint)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.obb.isAttached = 1;
    scene.obb.size = {10, 4, 0};
    scene.bindAndInit();
    scene.project();
    scene.project();
    EXPECT_FLOAT_EQ(scene.obb.radius, 2.0f * scene.obb.outline[0].distance(scene.obb.centre));
}

TEST(Obb, RebuildStartsTheProjectionAfresh)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.bindAndInit();
    scene.project();
    scene.obb.rebuild();
    EXPECT_EQ(scene.obb.centre, Ogre::Vector2::ZERO);
    EXPECT_EQ(scene.obb.movement, Ogre::Vector2::ZERO);
    EXPECT_EQ(scene.obb.outline, std::vector<Ogre::Vector2>(5, Ogre::Vector2::ZERO));

    scene.obb.size.z = 2;
    scene.obb.setPosition();
    scene.obb.rebuild();
    EXPECT_TRUE(scene.obb.outline.empty());
    EXPECT_EQ(scene.obb.sortedPoints.size(), 8u);
}

TEST(Obb, CopyKeepsSettingsButNeedsBindingBeforeUse)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.obb.size = {2, 3, 4};
    scene.obb.placedPosition = {1, 2, 3};
    scene.obb.rotation = {0, 15, 0};
    scene.obb.isHitBox = 1;
    scene.obb.customPoints[3] = {9, 9};
    scene.bindAndInit();
    scene.project();

    std::unique_ptr<entity> cloned(scene.obb.clone());
    auto& copy = dynamic_cast<Obb&>(*cloned);
    EXPECT_EQ(copy.kind, kindObb);
    EXPECT_EQ(copy.sceneNode, nullptr);
    EXPECT_TRUE(copy.outline.empty());
    EXPECT_TRUE(copy.sortedPoints.empty());
    EXPECT_EQ(copy.radius, 0.0f);
    EXPECT_EQ(copy.size, Ogre::Vector3(2, 3, 4));
    EXPECT_EQ(copy.placedPosition, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(copy.rotation, Ogre::Vector3(0, 15, 0));
    EXPECT_EQ(copy.isHitBox, 1);
    EXPECT_EQ(copy.customPoints[3], Ogre::Vector2(9, 9));
    EXPECT_EQ(copy.parentNode, scene.owner);
    EXPECT_EQ(copy.collisionCamera, scene.obb.collisionCamera);

    copy.init();
    scene.project();
    copy.updateScreenPolygon();
    EXPECT_EQ(copy.outline, scene.obb.outline);
}

TEST(Obb, ProjectionSizesTheOutlineOfANeverRebuiltObb)
{
    OutlineScene scene;
    scene.addPlayCameras();
    scene.obb.bindCamera(scene.world.scene, scene.owner);
    scene.obb.sceneNode = scene.owner;
    scene.obb.isAttached = 1;
    scene.obb.setPosition();
    scene.project();
    EXPECT_EQ(scene.obb.outline.size(), 5u);
}

TEST(Obb, DestroysOnlyItsOwnNode)
{
    WorldTestScene world;
    Ogre::SceneNode* owner = world.scene->getRootSceneNode()->createChildSceneNode("owner");
    {
        Obb own;
        own.bindCamera(world.scene, owner);
        own.init();
        Obb attached;
        attached.isAttached = 1;
        attached.bindCamera(world.scene, owner);
        attached.init();
        EXPECT_EQ(owner->numChildren(), 1u);
    }
    EXPECT_TRUE(world.scene->hasSceneNode("owner"));
    EXPECT_EQ(owner->numChildren(), 0u);
}

// The spot an outline keeps elsewhere follows it through rebuilds and both
// ways of projecting, flat or tall, still or moving: the broad phase reads
// it instead of the outline, so it must never lag behind. A copy is another
// outline and writes no spot.
TEST(Obb, StoredSpotFollowsEveryRebuildAndProjection)
{
    auto expectSpotOf = [](const Obb& obb, const char* when) {
        const ScreenSpot& spot = *obb.spot;
        EXPECT_EQ(spot.centre, obb.centre) << when;
        EXPECT_EQ(spot.radius, obb.radius) << when;
        EXPECT_EQ(spot.movement, obb.movement) << when;
        ASSERT_TRUE(spot.hasEdges) << when;
        Ogre::Vector2 low = obb.outline.front(), high = low;
        for (const Ogre::Vector2& point : obb.outline) {
            low.makeFloor(point);
            high.makeCeil(point);
        }
        EXPECT_EQ(spot.low, low) << when;
        EXPECT_EQ(spot.high, high) << when;
    };
    for (const Ogre::Vector3 size : {Ogre::Vector3(6, 4, 0), Ogre::Vector3(6, 4, 3)}) {
        OutlineScene scene;
        Ogre::Camera* camera = scene.addPlayCameras();
        ScreenSpot spot;
        scene.obb.spot = &spot;
        scene.obb.size = size;
        scene.obb.rotation = {10, 30, 0};
        scene.bindAndInit();
        scene.project();
        expectSpotOf(scene.obb, "projected");
        scene.owner->setPosition(-2, 0, 1);
        scene.world.updateTransforms();
        const Ogre::Matrix4 viewProjection = camera->getProjectionMatrix() * Ogre::Matrix4(camera->getViewMatrix(true));
        scene.obb.updateScreenPolygon(scene.owner->_getFullTransform(), viewProjection);
        EXPECT_NE(spot.movement, Ogre::Vector2::ZERO);
        expectSpotOf(scene.obb, "moved, projected through the matrices");
        scene.obb.rebuild();
        if (size.z > 0.0f)
            EXPECT_FALSE(spot.hasEdges);
        else
            expectSpotOf(scene.obb, "rebuilt");
        const std::unique_ptr<entity> cloned(scene.obb.clone());
        EXPECT_EQ(dynamic_cast<Obb&>(*cloned).spot, nullptr);
    }
}
