#include "data/CameraPathReader.h"

#include "app/Log.h"
#include "data/SectionValues.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Waypoint.h"

#include <OgreStringConverter.h>

#include <utility>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

const Ogre::Vector4 defaultChaseBounds(10.0f, 10.0f, 10.0f, 10.0f);
const Ogre::Vector3 defaultStartPosition(0.0f, 180.0f, 0.0f);
const Ogre::Vector3 defaultShotOrientation(300.0f, 0.0f, 0.0f);

// The one point of a level that names none.
constexpr float lonePointSpeed = 10.0f;
// A field of view the camera can draw through lies strictly between these.
constexpr float narrowestFov = 0.0f;
constexpr float widestFov = 180.0f;

// Four numbers of the section; one that is not finite counts as 0.
Ogre::Vector4 boundsOf(const XmlNode* section)
{
    if (!section)
        return defaultChaseBounds;
    const Ogre::Vector4 read =
        Ogre::StringConverter::parseVector4(reportedRequiredText(*section, "bounds"), Ogre::Vector4::ZERO);
    Ogre::Vector4 finite;
    for (std::size_t i = 0; i < 4; ++i)
        finite[i] = finiteIn(read[i], -largestDataReach, largestDataReach, 0.0f);
    return finite;
}

// A number that is not finite reads as an absent one: the camera's own value
// for an attribute of "CameraType", the default for one of its children.
void readChase(const XmlNode& cameraType, GameCamera& camera)
{
    camera.acceleration =
        SectionValues(cameraType, "ChaseAcceleration").usableReal("acceleration", required, 8.0f);
    const XmlNode* boundaries = cameraType.first_node("ChaseBoundaries");
    const SectionValues chase(boundaries);
    camera.isChaseCam = chase.flag("isChaseCam", optional, 0);
    camera.ChaseZone = chase.usablePair("ChaseZone", required, Ogre::Vector2::ZERO);
    camera.bounds = boundsOf(boundaries);
    camera.chaseSpeed = chase.usableReal("chaseSpeed", optional, 0.7f);
    camera.isUsingZone = chase.flag("isUsingZone", optional, 0);
}

// A field of view of 0 (or NaN) shows nothing, one of 180 degrees or more
// cannot be drawn: the camera keeps its own.
float fieldOfView(const XmlNode& cameraType, float kept)
{
    const float fov = SectionValues(&cameraType).usableReal("fov", required, kept);
    if (fov > narrowestFov && fov < widestFov)
        return fov;
    if (const char* text = attributeText(cameraType, "fov"))
        reportUnusable(cameraType, "fov", text);
    return kept;
}

void readCameraSettings(const XmlNode& cameraType, GameCamera& camera)
{
    const SectionValues own(&cameraType);
    camera.rotType = own.count("rotType", required, 0);
    camera.globalSpeedMult = own.usableReal("globalSpeedMult", required, camera.globalSpeedMult);
    camera.fovDegrees = fieldOfView(cameraType, camera.fovDegrees);
    camera.frustrumOffset = own.usablePair("frustrumOffset", required, camera.frustrumOffset);
    readChase(cameraType, camera);
    const SectionValues start(cameraType, "startHorVertPosition");
    camera.vertPos = start.usableVector("vertPos", required, Ogre::Vector3::ZERO);
    camera.horiVertLength = start.usableReal("horiVertLength", required, 5000.0f);
    // The offset of every point of the path.
    camera.placedPosition =
        SectionValues(cameraType, "startPosition").usableVector("pos", required, defaultStartPosition);
}

// A point with a number that is not finite would throw the camera off its
// path (or stop it): it is left out, with one line naming the number.
bool hasUnusableNumber(const XmlNode& waypoint)
{
    const std::pair<const char*, const char*> numbers[] = {
        {nullptr, "speed"},
        {"position", "pos"},
        {"position", "Tension"},
        {"orientation", "orient"},
        {"CamShotOrientation", "camOrient"},
        {"CamShotOrientation", "CamShotFovMult"},
        {"wait", "waitDur"},
    };
    for (const auto& [section, name] : numbers)
        if ((section ? SectionValues(waypoint, section) : SectionValues(&waypoint)).isUnusable(name))
            return true;
    return false;
}

} // namespace

void readCameraWaypoint(const XmlNode& element, Level& level)
{
    if (!level.camera)
        return;
    const XmlNode* wait = element.first_node("wait");
    if (!wait) {
        logLine("[ERROR] camera waypoint without wait: left out");
        return;
    }
    if (hasUnusableNumber(element))
        return;
    const float speed = SectionValues(&element).real("speed", required, 0.0f);
    const SectionValues position(element, "position");
    const SectionValues orientation(element, "orientation");
    const SectionValues shot(element, "CamShotOrientation");
    level.camera->addWaypoint(
        speed, position.vector("pos", required, Ogre::Vector3::ZERO),
        orientation.vector("orient", required, Ogre::Vector3::ZERO),
        static_cast<std::uint32_t>(orientation.count("rotType", required, 0)),
        SectionValues(wait).real("waitDur", required, 0.0f));
    Waypoint& added = *level.camera->levelPath.back();
    added.camShotOrientation = shot.vector("camOrient", required, defaultShotOrientation);
    added.camShotFovMult = shot.real("CamShotFovMult", optional, 1.0f);
    added.tension = position.real("Tension", required, 0.5f);
}

void readCameraPath(const XmlNode& root, Level& level)
{
    GameCamera* camera = level.camera;
    if (!camera)
        return;
    if (const XmlNode* cameraType = root.first_node("CameraType"))
        readCameraSettings(*cameraType, *camera);
    for (const XmlNode* waypoint : childElements(root, "waypoint"))
        readCameraWaypoint(*waypoint, level);
    if (camera->levelPath.empty())
        camera->addWaypoint(lonePointSpeed, Ogre::Vector3::ZERO, Ogre::Vector3::ZERO, rotTypeFixed, 0.0f);
    // The rig and its follower exist only once the camera is in a scene.
    if (camera->follower)
        camera->createDefaultWaypoints();
}
