// The parts of the play scene that entering sets up around the level: the
// two viewports, the preferer of the background overlays, the physics world,
// the shadows and the outline of the invincibility limits.
#include "play/playState.h"

#include "app/Log.h"
#include "app/OverlayVisibility.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/OverlayPreferer.h"
#include "play/PhysicsWorld.h"
#include "play/ShadowListener.h"
#include "world/GameCamera.h"
#include "world/Obb.h"

#include <OgreShadowCameraSetupLiSPSM.h>
#include <OgreOverlay.h>
#include <OgreOverlayContainer.h>
#include <OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>
#include <OgreViewport.h>

namespace {

constexpr int backgroundZOrder = 0;
constexpr int gameZOrder = 1;
constexpr Ogre::uint32 gameVisibilityMask = 15;
// The reach of the invincibility outline's radius.
constexpr float worldExtent = 10000.0f;

// Shows the overlay and hands its child to the preferer; nothing when the
// overlay is missing.
void preferOverlayChild(OverlayPreferer& preferer, const std::string& overlayName, const std::string& childName)
{
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName(overlayName);
    if (!overlay)
        return;
    overlay->show();
    if (Ogre::OverlayContainer* child = overlay->getChild(childName))
        preferer.addOverlay(child);
}

} // namespace

void playState::createBackgroundViewport()
{
    backgroundViewport = window->addViewport(playCamera, backgroundZOrder, 0.0f, 0.0f, 1.0f, 1.0f);
    backgroundViewport->setBackgroundColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 1.0f));
    backgroundViewport->setClearEveryFrame(false, Ogre::FBT_COLOUR | Ogre::FBT_DEPTH);
    backgroundViewport->setShadowsEnabled(false);
    backgroundViewport->setAutoUpdated(false);
    logLine("BG viewport initialized");
}

void playState::createGameViewport()
{
    gameViewport = window->addViewport(playCamera, gameZOrder, 0.0f, 0.0f, 1.0f, 1.0f);
    gameViewport->setVisibilityMask(gameVisibilityMask);
    gameViewport->setClearEveryFrame(true, Ogre::FBT_DEPTH);
    camera->viewport = gameViewport;
    logLine("game viewport initialized");
}

void playState::createOverlayPreferer()
{
    overlayPreferer = new OverlayPreferer(backgroundViewport);
    preferOverlayChild(*overlayPreferer, "GameBackground", "Game/BG");
    preferOverlayChild(*overlayPreferer, "GameBackground_BG", "Game/BGBG");
    window->addListener(overlayPreferer);
    setOverlayVisible("EditorOverlay", true);
    setOverlayVisible("DebugInfos", true);
}

void playState::createPhysicsWorld()
{
    physics = new PhysicsWorld();
    world = physics->world();
    logLine("Bullet physics initialized");
}

void playState::destroyPhysicsWorld()
{
    delete physics;
    physics = nullptr;
    world = nullptr;
}

void playState::setupShadows()
{
    constexpr float directionalExtrusion = 600.0f;
    constexpr float shadowFarDistance = 300.0f;
    constexpr float shadowDirLightExtrusionOffset = 0.2f;
    sceneManager->setShadowTextureSelfShadow(true);
    sceneManager->setShadowTechnique(Ogre::SHADOWTYPE_TEXTURE_MODULATIVE_INTEGRATED);
    sceneManager->setShadowTextureCount(1);
    sceneManager->setShadowDirectionalLightExtrusionDistance(directionalExtrusion);
    sceneManager->setShadowTextureSize(static_cast<unsigned short>(game->shadowTextureRes));
    sceneManager->setShadowFarDistance(shadowFarDistance);
    sceneManager->setShadowTexturePixelFormat(Ogre::PF_FLOAT16_R);
    sceneManager->setShadowDirLightTextureOffset(shadowDirLightExtrusionOffset);
    sceneManager->setShadowCasterRenderBackFaces(false);

    auto* lispsm = new Ogre::LiSPSMShadowCameraSetup(0.1f, true, Ogre::Degree(25.840397f));
    lispsm->setCameraLightDirectionThreshold(Ogre::Degree(5.0f));
    lispsm->setOptimalAdjustFactor(200.0f);
    lispsm->setUseAggressiveFocusRegion(true);
    sceneManager->setShadowCameraSetup(Ogre::ShadowCameraSetupPtr(lispsm));
    sceneManager->addListener(shadowListener::getInstance());
    level->setShadows(level->isShadows);
}

void playState::createScreenBounds()
{
    delete invincibilityBounds;
    invincibilityBounds = new Obb();
    const Ogre::Vector4& limits = game->invincibilityLimits;
    const Ogre::Vector2 corners[] = {{limits.x, limits.z}, {limits.y, limits.z}, {limits.y, limits.w},
                                     {limits.x, limits.w}};
    invincibilityBounds->parentNode = sceneManager->getRootSceneNode();
    invincibilityBounds->isAttached = 1;
    invincibilityBounds->radius = worldExtent;
    invincibilityBounds->outline.assign(std::begin(corners), std::end(corners));
    invincibilityBounds->outline.push_back(corners[0]);
    for (std::size_t i = 0; i + 1 < invincibilityBounds->outline.size(); ++i)
        invincibilityBounds->edges[i] = invincibilityBounds->outline[i] - invincibilityBounds->outline[i + 1];
    invincibilityBounds->centre = (corners[0] + corners[2]) * 0.5f;
    if (level)
        level->invincibilityLimitsOutline = invincibilityBounds;
}
