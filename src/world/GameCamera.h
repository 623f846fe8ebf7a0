// The camera rig of a level: the node "CamNode1" travels the level's camera
// path with a path follower, carrying the play camera and the collision
// camera. The rig shakes the view, reports its movement to the Game and the
// level layers, keeps a checkpoint for respawns, fits the view to the window,
// and owns the layered sky, the black sky box, the post-effect switches and
// the safe-frame guides.
#pragma once

#include "app/Curves.h"
#include "world/SkyLayer.h"
#include "world/entity.h"

#include <OgrePlane.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Ogre {
class Camera;
class Entity;
class Frustum;
class Viewport;
} // namespace Ogre

class Level;
class PathFollower;
class Waypoint;

// Values of GameCamera::pathMode.
enum cameraPathMode : std::uint32_t {
    pathModeHorizontal = 0,
    pathModeVertical = 1,
    pathModeLevel = 2,
};

class GameCamera : public entity {
public:
    GameCamera();
    ~GameCamera() override;

    // The camera is never copied: null.
    entity* clone() const override;
    // Moves the whole path so that the rig's current curve point lands on p.
    void setWorldPosition(const Ogre::Vector3& p) override;
    void savePosition() override;

    void setupScene();
    // The two default paths; binds and restarts the follower.
    void createDefaultWaypoints();
    void addWaypoint(float speed, const Ogre::Vector3& waypointPosition, const Ogre::Vector3& waypointRotation,
                     std::uint32_t rotType, float waitDuration);
    void selectPath(std::uint32_t mode);
    void buildPathCurve();
    void update(double dt);
    void saveCheckpoint();
    // Jumps to the arc length d along the path.
    void setPathTime(double d);
    // Head node at the origin, turned by the first level waypoint's camera shot.
    void resetPosition();
    // Back to the start of the path; the default paths when none was bound.
    void restartPath();
    // On a looping level path the last waypoint becomes a copy of the first.
    void closeLoop();
    void updateAspectRatio();
    void updateFrustums();
    void applyFieldOfView();
    void updateShadowDistance();
    void createFrustumVisual();
    void destroyFrustumVisual();

    // View settings applied when the level starts and when the window changes.
    void applyLevelSettings();
    void createSkyPlane();
    void updateSkyPlaneScale();
    void destroySkyPlane();
    // Shows the level's sky layers on the sky plane.
    void createSkybox();
    void applyPostEffects();
    void disablePostEffects();
    // Shows or hides the vignette overlay.
    static void setVignette(bool on);
    // The vignette's picture blended over what is behind it by the strength.
    static void setVignetteStrength(float strength);

    // Nodes.
    Ogre::SceneNode* headNode = nullptr;      // "CamNode1Head"
    Ogre::SceneNode* panNode = nullptr;       // "CamPan", carries both cameras
    Ogre::SceneNode* panheadGizmos = nullptr; // child of CamPan
    Ogre::SceneNode* playerDummy = nullptr;   // follows targetNode
    Ogre::SceneNode* hiddenNode = nullptr;    // hidden child of CamNode1
    Ogre::SceneNode* debugPanhead = nullptr;  // child of the scene root
    Ogre::SceneNode* targetNode = nullptr;    // the player's node, set by the player

    // Cameras.
    Ogre::Camera* playCamera = nullptr;      // "PlayCam"
    Ogre::Camera* collisionCamera = nullptr; // "PlayCollisionCam"
    Ogre::Frustum* viewFrustum = nullptr;
    Ogre::Frustum* wideFrustum = nullptr;

    // Paths.
    std::vector<Waypoint*> horizontalPath; // owned
    std::vector<Waypoint*> verticalPath;   // owned
    std::vector<Waypoint*> levelPath;      // owned, filled by the camera-path reader
    std::vector<Waypoint*>* currentPath = &levelPath;
    std::uint32_t pathMode = pathModeLevel;
    float pathLength = 5000.0f; // length of the two default paths
    std::vector<CurveSample> pathCurve; // arc-length table of the current path
    std::unique_ptr<PathFollower> follower;

    // Motion.
    float speedFactor = 1.0f; // the follower's speedMult is speedFactor * 0.2
    Ogre::Vector3 previousPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 frameMovement = Ogre::Vector3::ZERO;
    Ogre::Vector3 layerOffset = Ogre::Vector3::ZERO;

    float shakeTime = 0.0f; // seconds of shake left

    // Checkpoint.
    std::uint8_t hasCheckpoint = 0;
    Ogre::Vector3 checkpointHeadPosition = Ogre::Vector3::ZERO;
    double checkpointDistance = -1.0;

    // View.
    float fovDegrees = 80.0f;
    float aspectRatio = 16.0f / 9.0f;
    float wideAspectFactor = 1.1f;
    float wideFovFactor = 1.0f;
    float farClipBase = 0.0f;  // the level's "ZFarCustom"
    float shadowExtra = 0.0f;  // the level's "shadowZFarCustom"
    Ogre::Plane groundPlane{Ogre::Vector3::UNIT_Y, 0.0f};
    Ogre::Viewport* viewport = nullptr; // the play camera's, set by the play state

    // Sky.
    Ogre::SceneNode* skyNode = nullptr;
    Ogre::Entity* skyEntity = nullptr;
    std::array<skyLayer, skyLayerSlots> skyLayers;
    std::vector<skyLayer> activeSkyLayers;

    Level* level = nullptr;

    // Read by the play state: fog and screen effects apply only while the
    // mode value is 0 (it is not the path mode). The level file clears both
    // it and the view value kept beside it.
    std::uint32_t modeValue = 0;
    std::uint32_t viewValue = 0;
    // The level file's camera settings: how the camera turns, its speed
    // along the path, the offset of its frustum, and how it may chase the
    // ship (acceleration, on/off, the zone and bounds it keeps to, its speed,
    // whether the zone counts); where the editor's upright view starts and
    // how long the horizontal and vertical paths are drawn there.
    std::int32_t rotType = 0;
    float globalSpeedMult = 1.0f;
    Ogre::Vector2 frustrumOffset = Ogre::Vector2::ZERO;
    float acceleration = 8.0f;
    std::uint8_t isChaseCam = 0;
    Ogre::Vector2 ChaseZone = Ogre::Vector2::ZERO;
    Ogre::Vector4 bounds{10.0f, 10.0f, 10.0f, 10.0f};
    float chaseSpeed = 0.7f;
    std::uint8_t isUsingZone = 0;
    Ogre::Vector3 vertPos = Ogre::Vector3::ZERO;
    float horiVertLength = 5000.0f;
    // The editor's view when the level was saved: its perspective view, and
    // where the chase camera was locked, in space and along the path.
    std::int32_t previousPersView = 0;
    Ogre::Vector3 lockedChaseCamPos = Ogre::Vector3::ZERO;
    double lockeddistanceOnSpline = 0.0;
    // Headings of the camera; the first is the heading in degrees that
    // camera-relative controls turn by.
    std::vector<float> headings;
    // Following the player: on/off, rate and factor of the smoothing, the
    // dead-zone option with its sizes in percent, the return-to-centre
    // option, the limits (left, up, right, down), the pan velocity, the node
    // moved and its saved position.
    std::uint8_t isFollow = 0;
    float followRate = 0.0f;
    float followFactor = 0.0f;
    std::uint8_t isDeadZone = 0;
    Ogre::Vector2 deadZoneSize = Ogre::Vector2::ZERO;
    std::uint8_t isReturnToCentre = 0;
    std::array<float, 4> followLimits{};
    Ogre::Vector3 panVelocity = Ogre::Vector3::ZERO;
    Ogre::SceneNode* followNode = nullptr;
    Ogre::Vector3 savedFollowPosition = Ogre::Vector3::ZERO;

private:
    // The follower re-seated at its distance: segment, speeds, orientations
    // and node position, then one frozen update.
    void reseatPath();
    void placeDefaultPaths();
    void fitViewport();
    void showSafeFrames(bool visible);
    Ogre::SceneNode* createRigNode(Ogre::SceneNode* parent, const std::string& nodeName);
};
