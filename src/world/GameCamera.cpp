// The rig's nodes and cameras, its paths and waypoints, and its teardown.
#include "world/GameCamera.h"

#include "core/Game.h"
#include "world/PathFollower.h"
#include "world/Waypoint.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

GameCamera::GameCamera()
{
    kind = kindGameCamera;
    name = "camera";
    placedPosition = Ogre::Vector3(0.0f, 180.0f, 0.0f);
    const bool isVertical = Game::getSingletonPtr()->isLayerSpeedVertical;
    for (std::size_t slot = 0; slot < skyLayerSlots; ++slot)
        skyLayers[slot].speed = defaultSkyLayerSpeed(slot, isVertical);
    skyLayers[0].textureName = "Space.jpg";
}

namespace {

void deleteWaypoints(std::vector<Waypoint*>& path)
{
    for (Waypoint* waypoint : path)
        delete waypoint;
    path.clear();
}

void destroyNode(Ogre::SceneManager* scene, Ogre::SceneNode*& node)
{
    if (!node)
        return;
    node->detachAllObjects();
    scene->destroySceneNode(node);
    node = nullptr;
}

} // namespace

GameCamera::~GameCamera()
{
    for (skyLayer& layer : skyLayers)
        layer.textureName.clear();
    activeSkyLayers.clear();
    destroySkyPlane();
    deleteWaypoints(horizontalPath);
    deleteWaypoints(verticalPath);
    deleteWaypoints(levelPath);
    pathCurve.clear();
    follower.reset();
    destroyFrustumVisual();
    if (sceneManager) {
        // Children first: destroying a node leaves its children without a parent.
        for (Ogre::SceneNode** node : {&panheadGizmos, &panNode, &headNode, &playerDummy, &hiddenNode,
                                       &debugPanhead, &sceneNode})
            destroyNode(sceneManager, *node);
    }
    showSafeFrames(false);
}

entity* GameCamera::clone() const
{
    return nullptr;
}

Ogre::SceneNode* GameCamera::createRigNode(Ogre::SceneNode* parent, const std::string& nodeName)
{
    if (!nodeName.empty() && sceneManager->hasSceneNode(nodeName))
        sceneManager->destroySceneNode(nodeName);
    return nodeName.empty() ? parent->createChildSceneNode() : parent->createChildSceneNode(nodeName);
}

namespace {

Ogre::Camera* sceneCamera(Ogre::SceneManager* scene, const std::string& cameraName)
{
    Ogre::Camera* camera =
        scene->hasCamera(cameraName) ? scene->getCamera(cameraName) : scene->createCamera(cameraName);
    camera->setAutoAspectRatio(true);
    camera->setNearClipDistance(1.1f);
    camera->setFarClipDistance(1000.0f);
    if (camera->isAttached())
        camera->detachFromParent();
    return camera;
}

} // namespace

void GameCamera::setupScene()
{
    sceneManager = Game::getSingletonPtr()->sceneManager;
    playCamera = sceneCamera(sceneManager, "PlayCam");
    collisionCamera = sceneCamera(sceneManager, "PlayCollisionCam");
    // Kept out of the scene's rendering: the collision camera only projects.
    collisionCamera->setVisible(false);
    Ogre::SceneNode* root = sceneManager->getRootSceneNode();
    sceneNode = sceneManager->hasSceneNode("CamNode1") ? sceneManager->getSceneNode("CamNode1")
                                                       : root->createChildSceneNode("CamNode1");
    headNode = createRigNode(sceneNode, "CamNode1Head");
    panNode = createRigNode(headNode, "CamPan");
    playerDummy = createRigNode(sceneNode, "playerDummy");
    hiddenNode = createRigNode(sceneNode, "");
    hiddenNode->setVisible(false, true);
    debugPanhead = createRigNode(root, "debugPanhead");
    panNode->attachObject(playCamera);
    panNode->attachObject(collisionCamera);
    panheadGizmos = createRigNode(panNode, "panheadGizmos");
    follower = std::make_unique<PathFollower>();
    createSkyPlane();
    updateAspectRatio();
}

namespace {

Waypoint* cameraWaypoint(const Ogre::Vector3& at, float speed)
{
    auto* waypoint = new Waypoint("CamWaypoint");
    waypoint->isCameraWaypoint = 1;
    waypoint->position = at;
    waypoint->speed = speed;
    return waypoint;
}

} // namespace

void GameCamera::createDefaultWaypoints()
{
    checkpointDistance = -1.0;
    shakeTime = 0.0f;
    hasCheckpoint = 0;
    deleteWaypoints(verticalPath);
    deleteWaypoints(horizontalPath);
    for (int i = 0; i < 2; ++i) {
        verticalPath.push_back(cameraWaypoint(Ogre::Vector3::ZERO, 10.0f));
        horizontalPath.push_back(cameraWaypoint(Ogre::Vector3::ZERO, 10.0f));
    }
    placeDefaultPaths();
    applyFieldOfView();
    createFrustumVisual();
    selectPath(pathMode);
    follower->init(sceneManager, level, playCamera, currentPath, sceneNode, sceneNode);
    restartPath();
}

void GameCamera::placeDefaultPaths()
{
    if (verticalPath.size() >= 2) {
        verticalPath[0]->position = Ogre::Vector3::ZERO;
        verticalPath[1]->position = Ogre::Vector3(0.0f, 0.0f, -pathLength);
    }
    if (horizontalPath.size() >= 2) {
        horizontalPath[0]->position = Ogre::Vector3::ZERO;
        horizontalPath[1]->position = Ogre::Vector3(pathLength, 0.0f, 0.0f);
    }
}

void GameCamera::addWaypoint(float speed, const Ogre::Vector3& waypointPosition,
                             const Ogre::Vector3& waypointRotation, std::uint32_t rotType, float waitDuration)
{
    Waypoint* waypoint = cameraWaypoint(waypointPosition, speed);
    waypoint->rotation = waypointRotation;
    waypoint->rotType = rotType;
    waypoint->tension = 0.5f;
    waypoint->waitDuration = waitDuration;
    waypoint->isLoop = 0;
    waypoint->rotSpeed = 1.0f;
    levelPath.push_back(waypoint);
}

void GameCamera::selectPath(std::uint32_t mode)
{
    pathMode = mode;
    currentPath = mode == pathModeVertical ? &verticalPath : mode == pathModeLevel ? &levelPath : &horizontalPath;
    placeDefaultPaths();
    buildPathCurve();
    if (follower)
        follower->waypoints = currentPath;
    updateFrustums();
}

void GameCamera::buildPathCurve()
{
    buildCurvePoints(*currentPath, pathCurve);
}

void GameCamera::saveCheckpoint()
{
    hasCheckpoint = 1;
    if (headNode)
        checkpointHeadPosition = headNode->getPosition();
    if (follower)
        checkpointDistance = follower->distance;
}

void GameCamera::closeLoop()
{
    if (levelPath.size() < 2 || !levelPath.front()->isLoop)
        return;
    delete levelPath.back();
    levelPath.back() = new Waypoint(*levelPath.front());
}

void GameCamera::setWorldPosition(const Ogre::Vector3& p)
{
    if (!follower)
        return;
    const Ogre::Vector3 offset = p - follower->curvePos;
    placedPosition = offset;
    follower->offset = offset;
    restartPath();
    if (sceneNode)
        sceneNode->_update(true, false);
    closeLoop();
}

void GameCamera::savePosition()
{
    if (!sceneNode)
        return;
    savedPosition = placedPosition;
    savedDerivedPosition = sceneNode->_getDerivedPosition();
}

void GameCamera::setVignette(bool on)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    Ogre::Overlay* vignette = overlays ? overlays->getByName("EditorVignette") : nullptr;
    if (!vignette)
        return;
    if (on)
        vignette->show();
    else
        vignette->hide();
}
