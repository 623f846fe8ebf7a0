// The camera path of a level file: its settings, its points and the single
// point a file without any gets.
#include "data/CameraPathReader.h"

#include "combat/PlayerScene.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"
#include "world/Waypoint.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const settings = R"(<CameraType rotType="2.7" globalSpeedMult="1.5" fov="45" frustrumOffset="0.1 0.2"/>)";

TEST(CameraPathReader, EdgeCases)
{
    const struct {
        const char* name;
        std::string file;
        std::function<void(const GameCamera&)> check;
    } table[] = {
        {"nothing: the camera keeps its settings and gets one point", "<L/>",
         [](const GameCamera& camera) {
             EXPECT_FLOAT_EQ(camera.fovDegrees, 33.0f);
             EXPECT_FLOAT_EQ(camera.acceleration, 3.0f);
             ASSERT_EQ(camera.levelPath.size(), 1u);
             const Waypoint& point = *camera.levelPath[0];
             EXPECT_EQ(point.position, Ogre::Vector3::ZERO);
             EXPECT_FLOAT_EQ(point.speed, 10.0f);
             EXPECT_EQ(point.rotType, 1u);
             EXPECT_FLOAT_EQ(point.waitDuration, 0.0f);
         }},
        {"a point with only its speed and wait", R"(<L><waypoint speed="3"><wait waitDur="2"/></waypoint></L>)",
         [](const GameCamera& camera) {
             ASSERT_EQ(camera.levelPath.size(), 1u);
             const Waypoint& point = *camera.levelPath[0];
             EXPECT_EQ(point.name, "CamWaypoint");
             EXPECT_EQ(point.position, Ogre::Vector3::ZERO);
             EXPECT_EQ(point.rotation, Ogre::Vector3::ZERO);
             EXPECT_EQ(point.rotType, 0u);
             EXPECT_FLOAT_EQ(point.tension, 0.5f);
             EXPECT_EQ(point.camShotOrientation, Ogre::Vector3(300.0f, 0.0f, 0.0f));
             EXPECT_FLOAT_EQ(point.camShotFovMult, 1.0f);
             EXPECT_FLOAT_EQ(point.waitDuration, 2.0f);
             EXPECT_FLOAT_EQ(point.speed, 3.0f);
         }},
        {"settings alone: their children's defaults", std::string("<L>") + settings + "</L>",
         [](const GameCamera& camera) {
             EXPECT_EQ(camera.rotType, 2);
             EXPECT_FLOAT_EQ(camera.globalSpeedMult, 1.5f);
             EXPECT_FLOAT_EQ(camera.fovDegrees, 45.0f);
             EXPECT_EQ(camera.frustrumOffset, Ogre::Vector2(0.1f, 0.2f));
             EXPECT_FLOAT_EQ(camera.acceleration, 8.0f);
             EXPECT_EQ(camera.isChaseCam, 0);
             EXPECT_EQ(camera.ChaseZone, Ogre::Vector2::ZERO);
             EXPECT_EQ(camera.bounds, Ogre::Vector4(10.0f, 10.0f, 10.0f, 10.0f));
             EXPECT_FLOAT_EQ(camera.chaseSpeed, 0.7f);
             EXPECT_EQ(camera.isUsingZone, 0);
             EXPECT_EQ(camera.vertPos, Ogre::Vector3::ZERO);
             EXPECT_FLOAT_EQ(camera.horiVertLength, 5000.0f);
             EXPECT_EQ(camera.placedPosition, Ogre::Vector3(0.0f, 180.0f, 0.0f));
         }},
        {"points before and after the settings, in file order",
         std::string(R"(<L><waypoint speed="1"><position pos="1 0 0" Tension="0.2"/><wait waitDur="0"/></waypoint>)") +
             settings + R"(<waypoint speed="2"><orientation orient="0 90 0" rotType="-1.5"/>
             <CamShotOrientation camOrient="280 0 0" CamShotFovMult="1.3"/><wait waitDur="4"/></waypoint></L>)",
         [](const GameCamera& camera) {
             EXPECT_FLOAT_EQ(camera.fovDegrees, 45.0f);
             ASSERT_EQ(camera.levelPath.size(), 2u);
             EXPECT_EQ(camera.levelPath[0]->position, Ogre::Vector3(1.0f, 0.0f, 0.0f));
             EXPECT_FLOAT_EQ(camera.levelPath[0]->tension, 0.2f);
             const Waypoint& second = *camera.levelPath[1];
             EXPECT_EQ(second.rotation, Ogre::Vector3(0.0f, 90.0f, 0.0f));
             EXPECT_EQ(static_cast<std::int32_t>(second.rotType), -1);
             EXPECT_EQ(second.camShotOrientation, Ogre::Vector3(280.0f, 0.0f, 0.0f));
             EXPECT_FLOAT_EQ(second.camShotFovMult, 1.3f);
             EXPECT_FLOAT_EQ(second.waitDuration, 4.0f);
         }},
        {"a point without its wait is left out",
         R"(<L><waypoint speed="1"/><waypoint speed="2"><wait waitDur="1"/></waypoint></L>)",
         [](const GameCamera& camera) {
             ASSERT_EQ(camera.levelPath.size(), 1u);
             EXPECT_FLOAT_EQ(camera.levelPath[0]->speed, 2.0f);
         }},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        PlayerScene scene;
        scene.camera.fovDegrees = 33.0f;
        scene.camera.acceleration = 3.0f;
        const XmlFragment file(row.file);
        LogCapture log;
        readCameraPath(file.root(), scene.level);
        row.check(scene.camera);
        const bool isPointLeftOut = row.file.find("<waypoint speed=\"1\"/>") != std::string::npos;
        EXPECT_EQ(log.containsPrefix("[ERROR] "), isPointLeftOut);
        // The follower starts on the path just read.
        EXPECT_EQ(scene.camera.currentPath, &scene.camera.levelPath);
    }
}

} // namespace
