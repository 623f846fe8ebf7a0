// The rig's view: aspect, fields of view and frustums, the fit of the
// viewport to the window, clip and shadow ranges, and the level's view
// settings.
#include "world/GameCamera.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialTextures.h"
#include "play/Level.h"
#include "world/ViewFitting.h"

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCamera.h>
#include <OgreFrustum.h>
#include <OgreLight.h>
#include <OgreMaterialManager.h>
#include <OgreRay.h>
#include <OgreRenderTarget.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {

constexpr float degreesToRadians = 0.017453292f;
// A wide frustum never opens a half turn or more.
constexpr float widestFov = 3.1415927f;
constexpr float widestFovReplacement = 3.0415926f;

} // namespace

void GameCamera::updateAspectRatio()
{
    // Computed afresh: the Game's stored value is 0 until something first
    // asks for it, and a sky plane of no width shows nothing.
    aspectRatio = Game::getSingletonPtr()->computeAspectRatio();
    updateFrustums();
}

void GameCamera::updateFrustums()
{
    if (!viewFrustum || !wideFrustum)
        return;
    const float fovY = fovDegrees * degreesToRadians;
    viewFrustum->setFOVy(Ogre::Radian(fovY));
    viewFrustum->setNearClipDistance(1.0f);
    float wideFovY = wideFovFactor * fovY;
    if (wideFovY > widestFov)
        wideFovY = widestFovReplacement;
    wideFrustum->setFOVy(Ogre::Radian(wideFovY));
    // A design aspect not known yet leaves the frustums' aspect alone.
    if (aspectRatio > 0.0f) {
        viewFrustum->setAspectRatio(aspectRatio);
        wideFrustum->setAspectRatio(wideAspectFactor * aspectRatio);
    }
}

void GameCamera::applyFieldOfView()
{
    if (!viewport || !playCamera)
        return;
    const float fovY = fittedFovY(fovDegrees, aspectRatio, static_cast<float>(viewport->getActualWidth()),
                                  static_cast<float>(viewport->getActualHeight()));
    // A minimised window has no size to fit.
    if (fovY <= 0.0f)
        return;
    playCamera->setFOVy(Ogre::Radian(fovY));
    collisionCamera->setFOVy(playCamera->getFOVy());
}

void GameCamera::updateShadowDistance()
{
    if (!viewFrustum || !sceneManager)
        return;
    const Ogre::Vector3* corners = viewFrustum->getWorldSpaceCorners();
    const Ogre::Vector3 from = corners[1];
    const Ogre::Vector3 toward = (corners[1] - corners[5]).normalisedCopy();
    const Ogre::Ray ray(from, toward);
    const std::pair<bool, Ogre::Real> hit = ray.intersects(groundPlane);
    // A ray that misses the ground keeps the shortest range.
    const float ground = hit.first ? ray.getPoint(hit.second).length() : 0.0f;
    sceneManager->setShadowFarDistance(shadowFarDistance(ground, shadowExtra));
}

void GameCamera::createFrustumVisual()
{
    if (!panNode || viewFrustum)
        return;
    for (Ogre::Frustum** frustum : {&viewFrustum, &wideFrustum}) {
        *frustum = new Ogre::Frustum();
        // Only measured, never drawn or queried.
        (*frustum)->setVisible(false);
        (*frustum)->setQueryFlags(0);
        Ogre::SceneNode* node = panNode->createChildSceneNode();
        node->attachObject(*frustum);
        node->setVisible(false);
    }
    updateFrustums();
}

void GameCamera::destroyFrustumVisual()
{
    for (Ogre::Frustum** frustum : {&viewFrustum, &wideFrustum}) {
        if (!*frustum)
            continue;
        Ogre::SceneNode* node = (*frustum)->getParentSceneNode();
        (*frustum)->detachFromParent();
        if (node && sceneManager)
            sceneManager->destroySceneNode(node);
        delete *frustum;
        *frustum = nullptr;
    }
}

void GameCamera::fitViewport()
{
    if (!viewport)
        return;
    const Ogre::RenderTarget* window = viewport->getTarget();
    const float w = static_cast<float>(window->getWidth());
    const float h = static_cast<float>(window->getHeight());
    // A minimised window has no size to fit.
    if (w <= 0.0f || h <= 0.0f)
        return;
    const viewportRect rect = fitViewportRect(w, h, aspectRatio, Game::getSingletonPtr()->isLetterbox);
    viewport->setDimensions(rect.left, rect.top, rect.width, rect.height);
}

void GameCamera::showSafeFrames(bool visible)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays)
        return;
    for (const char* elementName : {"DebugMenu/safeFrame01", "DebugMenu/safeFrame02", "DebugMenu/safeFrameLine01",
                                    "DebugMenu/safeFrameLine02"}) {
        if (!overlays->hasOverlayElement(elementName))
            continue;
        Ogre::OverlayElement* element = overlays->getOverlayElement(elementName);
        if (visible)
            element->show();
        else
            element->hide();
    }
}

namespace {

// The sky box lies behind the whole view only while its farthest corners
// (the square root of three times its distance) stay inside the far clip;
// beyond it nothing is drawn there, and the game viewport, which clears
// only its depth, would keep the frames before.
constexpr float cubeCornerReach = 1.7320508f;
constexpr float skyBoxFitMargin = 0.99f;

float skyBoxDistance(float farClipBase, float farClip)
{
    return std::min(farClipBase + 550.0f, farClip / cubeCornerReach * skyBoxFitMargin);
}

// False, with an error line, when the material is not there to show or its
// picture can't be read.
bool showBlackSkyBox(Ogre::SceneManager* scene, float distance)
{
    const Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(
        "skyboxBlack", Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    if (!material) {
        logLine("[ERROR] sky box material not found: skyboxBlack");
        return false;
    }
    if (!cubeTexturesLoad(*material))
        return false;
    scene->setSkyBox(true, "skyboxBlack", distance, true, Ogre::Quaternion::IDENTITY,
                     Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    return true;
}

} // namespace

void GameCamera::applyLevelSettings()
{
    if (!sceneManager || !playCamera)
        return;
    const Game& game = *Game::getSingletonPtr();
    Ogre::Light* sun = sceneManager->hasLight("sun") ? sceneManager->getLight("sun") : nullptr;
    if (skyNode)
        skyNode->setVisible(true, true);
    for (Ogre::Camera* camera : {playCamera, collisionCamera}) {
        camera->detachFromParent();
        panNode->attachObject(camera);
    }
    if (!game.isSafeFrame)
        fitViewport();
    applyFieldOfView();
    updateSkyPlaneScale();
    if (game.postFX)
        applyPostEffects();
    else
        disablePostEffects();

    const float farClip = farClipBase + 802.0f;
    playCamera->setFarClipDistance(farClip);
    collisionCamera->setFarClipDistance(farClipBase + 801.0f);
    const bool isSkyBoxShown = showBlackSkyBox(sceneManager, skyBoxDistance(farClipBase, farClip));
    // Without the sky box the view is cleared black every frame instead.
    if (viewport)
        viewport->setClearEveryFrame(true, isSkyBoxShown ? Ogre::FBT_DEPTH : Ogre::FBT_COLOUR | Ogre::FBT_DEPTH);
    if (sun)
        sun->setAttenuation(farClipBase + 800.0f, 1.0f, 1.0f, 1.0f);
    if (level)
        level->enableFog(true);
    if (game.isSafeFrame)
        showSafeFrames(true);

    collisionCamera->setAspectRatio(playCamera->getAspectRatio());
    updateShadowDistance();
}
