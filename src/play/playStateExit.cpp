// Leaving a level: the scene is torn down in a fixed order so that the next
// entry starts from an empty scene.
#include "play/playState.h"

#include "app/AudioService.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "frontend/ContinueMenu.h"
#include "frontend/GameEndScreen.h"
#include "frontend/GameHUD.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/PauseMenu.h"
#include "frontend/ScoreMenu.h"
#include "play/Level.h"
#include "play/OverlayPreferer.h"
#include "play/ShadowListener.h"
#include "platform/FreedMemory.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Obb.h"
#include "world/Trigger.h"
#include "world/background.h"
#include "world/link.h"
#include "world/sfx.h"
#include "world/sfxManager.h"

#include <OgreControllerManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreOverlayElement.h>
#include <OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>

#include <algorithm>

namespace {

template <typename T>
void destroyAll(std::vector<T*>& list)
{
    for (T* object : list) {
        object->destroyGraphics();
        delete object;
    }
    list.clear();
}

// Links between two triggers of the level go first: each trigger's links
// reach into the other, which may already be gone when it is deleted.
void dropLinksBetween(std::vector<Trigger*>& triggers)
{
    const auto isTrigger = [&](const entity* object) {
        return std::find(triggers.begin(), triggers.end(), object) != triggers.end();
    };
    for (Trigger* trigger : triggers)
        for (std::vector<class link*>* links : {&trigger->incomingLinks, &trigger->outgoingLinks})
            for (std::size_t i = links->size(); i-- > 0;) {
                class link* each = (*links)[i];
                if (!isTrigger(each->fromEntity == trigger ? each->toEntity : each->fromEntity))
                    continue;
                each->destroyGraphics();
                delete each;
                links->erase(links->begin() + static_cast<std::ptrdiff_t>(i));
            }
}

void clearSceneObjects(Ogre::SceneManager& scene)
{
    scene.destroyAllParticleSystems();
    scene.destroyAllBillboardChains();
    scene.destroyAllBillboardSets();
    scene.destroyAllEntities();
    scene.destroyAllManualObjects();
    scene.destroyAllRibbonTrails();
    scene.destroyAllStaticGeometry();
    scene.setShadowTextureSelfShadow(false);
    scene.setShadowTechnique(Ogre::SHADOWTYPE_NONE);
    scene.clearScene();
    scene.getRootSceneNode()->createChildSceneNode("CamNode1", Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
}

// Ogre keeps the lights of the last frame drawn until it draws the next,
// and the shader generator reads them when it makes a material's shaders
// (as the next level's texture preloading does): the list must not name
// lights that are gone.
void forgetDestroyedLights(Ogre::SceneManager& scene, const Ogre::Camera* camera)
{
    struct LightSearch : Ogre::SceneManager {
        using Ogre::SceneManager::findLightsAffectingFrustum;
    };
    if (camera)
        (scene.*(&LightSearch::findLightsAffectingFrustum))(camera);
}

} // namespace

void playState::setDebugOverlaysVisible(bool visible)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    for (const char* name : {"Debug/Debug1", "Debug/Debug2", "Debug/Debug3"}) {
        if (!overlays.hasOverlayElement(name))
            continue;
        if (visible)
            overlays.getOverlayElement(name)->show();
        else
            overlays.getOverlayElement(name)->hide();
    }
}

void playState::exit()
{
    if (!game)
        return;
    Ogre::ControllerManager::getSingleton().setTimeFactor(1.0f);
    if (game->hud)
        game->hud->setVisible(false);
    setDebugOverlaysVisible(false);
    if (level && level->bulletBatch)
        level->bulletBatch->destroyAll();
    // Only the play state's own listener goes: the window's others (the
    // shader generator's among them) serve the next level as well.
    if (overlayPreferer)
        window->removeListener(overlayPreferer);
    onScreenEnemies.clear();
    if (Ogre::MaterialManager::getSingleton().resourceExists("MyGUI/Default",
                                                             Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME))
        Ogre::MaterialManager::getSingleton().remove("MyGUI/Default",
                                                     Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
    if (pauseMenu)
        pauseMenu->destroy();
    delete pauseMenu;
    pauseMenu = nullptr;
    if (continueMenu)
        continueMenu->destroy();
    delete continueMenu;
    continueMenu = nullptr;
    delete scoreMenu;
    scoreMenu = nullptr;
    delete endScreen;
    endScreen = nullptr;
    if (highScoreMenu)
        highScoreMenu->destroy();
    delete highScoreMenu;
    highScoreMenu = nullptr;
    delete invincibilityBounds;
    invincibilityBounds = nullptr;
    destroyLevelObjects();
    forgetDestroyedLights(*sceneManager, playCamera);
    destroyPhysicsWorld();
    game->destroyItemPool();
    sceneManager->removeListener(shadowListener::getInstance());
    game->isGameChanged = false;
    clearScene();
    delete overlayPreferer;
    overlayPreferer = nullptr;
    if (!game->pendingGameFolder.empty())
        game->changeGame();
    // The level's pools and scene are freed by now, but blocks that outlive
    // play lie between them and keep the pages around them resident. Nothing
    // is timed between two levels, and the next level takes the pages again.
    platform::returnFreedMemory();
}

void playState::destroyLevelObjects()
{
    dropLinksBetween(triggers);
    destroyAll(triggers);
    triggerUpdateList.clear();
    destroyAll(waves);
    destroyAll(items);
    destroyAll(sfxList);
    destroyAll(levelEntities);
    activeEnemies.clear();
    visibleBackgrounds.clear();

    delete player;
    player = nullptr;
    game->player = nullptr;
    stopMusic();
    releaseMusic();
    // The level's compositors hang on the camera's viewport: they go while
    // both are still there, and the level forgets the camera it goes with.
    if (level) {
        level->removePostEffects();
        level->camera = nullptr;
        if (level->effects)
            level->effects->camera = nullptr;
    }
    delete camera;
    camera = nullptr;
    if (level)
        level->destroy();
    delete level;
    level = nullptr;
    game->level = nullptr;
}

void playState::clearScene()
{
    clearSceneObjects(*sceneManager);
    window->removeAllViewports();
    backgroundViewport = gameViewport = nullptr;
    playCamera = nullptr;
    Ogre::MeshManager::getSingleton().unloadAll();
}
