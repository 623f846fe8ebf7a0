// The camera path of a level file: its settings, its points and the single
// point a file without any gets.
#include "data/CameraPathReader.h"

#include "combat/PlayerScene.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"
#include "world/Waypoint.h"

#include <OgreStringConverter.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <tuple>

namespace {

const std::string settings = R"(<CameraType rotType="2.7" globalSpeedMult="1.5" fov="45" frustrumOffset="0.1 0.2"/>)";

// A point as one text: position, rotation, rotation type, tension, camera
// shot orientation, its field-of-view factor, speed and wait.
std::string pointText(const Waypoint& point)
{
    using Ogre::StringConverter;
    return StringConverter::toString(point.position) + " | " + StringConverter::toString(point.rotation) + " | " +
           std::to_string(static_cast<std::int32_t>(point.rotType)) + " " + StringConverter::toString(point.tension) +
           " | " + StringConverter::toString(point.camShotOrientation) + " | " +
           StringConverter::toString(point.camShotFovMult) + " " + StringConverter::toString(point.speed) + " " +
           StringConverter::toString(point.waitDuration);
}

TEST(CameraPathReader, EdgeCases)
{
    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> points;
        float fov;
        bool isErrorLogged;
        std::size_t unusableLines = 0;
    } table[] = {
        {"nothing: one point at the origin", "<L/>", {"0 0 0 | 0 0 0 | 1 0.5 | 180 0 0 | 1 10 0"}, 33.0f, false},
        {"a point of its speed and wait alone", R"(<L><waypoint speed="3"><wait waitDur="2"/></waypoint></L>)",
         {"0 0 0 | 0 0 0 | 0 0.5 | 300 0 0 | 1 3 2"}, 33.0f, false},
        {"points around the settings, in file order",
         R"(<L><waypoint speed="1"><position pos="1 0 0" Tension="0.2"/><wait waitDur="0"/></waypoint>)" + settings +
             R"(<waypoint speed="2"><orientation orient="0 90 0" rotType="-1.5"/>
                <CamShotOrientation camOrient="280 0 0" CamShotFovMult="1.3"/><wait waitDur="4"/></waypoint></L>)",
         {"1 0 0 | 0 0 0 | 0 0.2 | 300 0 0 | 1 1 0", "0 0 0 | 0 90 0 | -1 0.5 | 280 0 0 | 1.3 2 4"}, 45.0f, false},
        {"a point without its wait is left out",
         R"(<L><waypoint speed="1"/><waypoint speed="2"><wait waitDur="1"/></waypoint></L>)",
         {"0 0 0 | 0 0 0 | 0 0.5 | 300 0 0 | 1 2 1"}, 33.0f, true},
        // Numbers that are not finite: the camera keeps its field of view, a
        // point holding one is left out.
        {"a field of view and a point of NaN",
         "<L>" + std::regex_replace(settings, std::regex("45"), "nan") +
             R"(<waypoint speed="1"><position pos="nan 0 0" Tension="0.2"/><wait waitDur="0"/></waypoint>
                <waypoint speed="2"><wait waitDur="inf"/></waypoint></L>)",
         {"0 0 0 | 0 0 0 | 1 0.5 | 180 0 0 | 1 10 0"}, 33.0f, false, 3},
        {"a field of view of nothing", "<L>" + std::regex_replace(settings, std::regex("45"), "0") + "</L>",
         {"0 0 0 | 0 0 0 | 1 0.5 | 180 0 0 | 1 10 0"}, 33.0f, false, 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        PlayerScene scene;
        GameCamera& camera = scene.camera;
        camera.fovDegrees = 33.0f;
        camera.acceleration = 3.0f;
        const XmlFragment file(row.file);
        LogCapture log;
        readCameraPath(file.root(), scene.level);
        std::vector<std::string> points;
        for (const Waypoint* point : camera.levelPath)
            points.push_back(pointText(*point));
        EXPECT_EQ(points, row.points);
        EXPECT_FLOAT_EQ(camera.fovDegrees, row.fov);
        EXPECT_EQ(log.containsPrefix("[ERROR] camera waypoint without wait"), row.isErrorLogged);
        const std::size_t unusable = std::count_if(log.lines.begin(), log.lines.end(), [](const std::string& line) {
            return line.find(" with unusable ") != std::string::npos;
        });
        EXPECT_EQ(unusable, row.unusableLines);
        // The camera starts on the path just read.
        EXPECT_EQ(camera.currentPath, &camera.levelPath);
        if (row.file.find("<CameraType") == std::string::npos) {
            EXPECT_FLOAT_EQ(camera.acceleration, 3.0f) << "no settings, none changed";
            continue;
        }
        // The settings' own values, and their children's defaults.
        EXPECT_EQ(camera.rotType, 2);
        EXPECT_EQ(camera.globalSpeedMult, 1.5f);
        EXPECT_EQ(camera.frustrumOffset, Ogre::Vector2(0.1f, 0.2f));
        EXPECT_EQ(Ogre::Vector4(camera.acceleration, camera.chaseSpeed, camera.horiVertLength, camera.isChaseCam),
                  Ogre::Vector4(8.0f, 0.7f, 5000.0f, 0.0f));
        EXPECT_EQ(camera.bounds, Ogre::Vector4(10.0f, 10.0f, 10.0f, 10.0f));
        EXPECT_EQ(camera.placedPosition, Ogre::Vector3(0.0f, 180.0f, 0.0f));
    }
}

TEST(CameraPathReader, TheChaseBoundariesGivenReachTheCamera)
{
    PlayerScene scene;
    const XmlFragment file("<L>" + std::regex_replace(settings, std::regex("/>"), R"(><ChaseBoundaries isChaseCam="true"
        ChaseZone="1 2" bounds="1 2 3 4" chaseSpeed="0.3" isUsingZone="true"/></CameraType>)") + "</L>");
    readCameraPath(file.root(), scene.level);
    const GameCamera& camera = scene.camera;
    EXPECT_EQ(std::make_tuple(camera.isChaseCam, camera.chaseSpeed, camera.isUsingZone, camera.bounds),
              std::make_tuple(std::uint8_t{1}, 0.3f, std::uint8_t{1}, Ogre::Vector4(1, 2, 3, 4)));
}

} // namespace
