#include "app/CameraProjection.h"

#include "world/WorldTestScene.h"
#include "support/VectorChecks.h"

#include <OgreCamera.h>

#include <gtest/gtest.h>

namespace {

// A camera above and behind the origin, looking at it.
struct ProjectionScene {
    ProjectionScene() : camera(world.addCamera("PlayCam", {0, 50, 100}, Ogre::Vector3::ZERO)) {}
    WorldTestScene world;
    Ogre::Camera* camera;
};

} // namespace

TEST(CameraProjection, CentreOfViewIsTheMiddleOfTheScreen)
{
    ProjectionScene scene;
    Ogre::Vector2 screen;
    worldToScreen(screen, Ogre::Vector3::ZERO, *scene.camera);
    EXPECT_NEAR(screen.x, 0.5f, 1e-6f);
    EXPECT_NEAR(screen.y, 0.5f, 1e-6f);

    // Screen y grows downward, x to the right.
    worldToScreen(screen, {10, 0, 0}, *scene.camera);
    EXPECT_GT(screen.x, 0.5f);
    worldToScreen(screen, {0, 10, 0}, *scene.camera);
    EXPECT_LT(screen.y, 0.5f);
}

TEST(CameraProjection, PointInTheCameraPlaneIsOffScreen)
{
    ProjectionScene scene;
    Ogre::Vector2 screen;
    worldToScreen(screen, {0, 50, 100}, *scene.camera);
    EXPECT_EQ(screen, offScreenPosition);
}

TEST(CameraProjection, ScreenToPlaneYFindsTheWorldPointAgain)
{
    ProjectionScene scene;
    for (const Ogre::Vector3& point : {Ogre::Vector3(0, 0, 0), Ogre::Vector3(-30, 0, 12), Ogre::Vector3(25, 7, -40)}) {
        Ogre::Vector2 screen;
        worldToScreen(screen, point, *scene.camera);
        Ogre::Vector3 back;
        screenToPlaneY(back, screen, point.y, *scene.camera);
        expectNear(back, point, 5e-3f);
    }
}

TEST(CameraProjection, ScreenToPlaneYMissingThePlaneGivesTheRayOrigin)
{
    ProjectionScene scene;
    // Every ray of this camera goes down: none reaches the plane y = 200 above it.
    Ogre::Vector3 out;
    screenToPlaneY(out, {0.5f, 0.0f}, 200.0f, *scene.camera);
    expectNear(out, scene.camera->getCameraToViewportRay(0.5f, 0.0f).getOrigin(), 1e-3f);
}

TEST(CameraProjection, ProjectToPlaneYKeepsTheScreenPosition)
{
    ProjectionScene scene;
    const Ogre::Vector3 point(12, 9, -5);
    Ogre::Vector3 onPlane;
    projectToPlaneY(onPlane, point, -4.0f, *scene.camera);
    EXPECT_NEAR(onPlane.y, -4.0f, 1e-3f);
    Ogre::Vector2 seen, seenOnPlane;
    worldToScreen(seen, point, *scene.camera);
    worldToScreen(seenOnPlane, onPlane, *scene.camera);
    EXPECT_NEAR(seen.x, seenOnPlane.x, 1e-5f);
    EXPECT_NEAR(seen.y, seenOnPlane.y, 1e-5f);
}
