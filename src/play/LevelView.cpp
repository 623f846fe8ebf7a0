// The Level's part in what the camera shows: layer scrolling, fog and the
// resizing of the post-effect compositors.
#include "play/Level.h"

#include "core/Game.h"
#include "world/FiniteVector.h"
#include "world/GameCamera.h"

#include <OgreCompositionTechnique.h>
#include <OgreCompositorInstance.h>
#include <OgreRenderTarget.h>
#include <OgreViewport.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

void Level::translateLayers(const Ogre::Vector3& movement)
{
    for (const auto& entry : layers) {
        const levelLayer& layer = entry.second;
        if (layer.sceneNode && layer.Y != 0.0f)
            layer.sceneNode->translate(finiteOr(movement * (layer.Y * 0.01f), 0.0f));
    }
}

namespace {

// The viewport of the television compositor's "scene" target; null while
// the compositor has no such target or it has no viewport yet.
Ogre::Viewport* televisionSceneViewport(Ogre::CompositorInstance& television)
{
    if (!television.getTechnique() || !television.getTechnique()->getTextureDefinition("scene"))
        return nullptr;
    Ogre::RenderTarget* target = television.getRenderTarget("scene");
    return target && target->getNumViewports() > 0 ? target->getViewport(0) : nullptr;
}

} // namespace

void Level::placeOverlays()
{
    if (!camera || !camera->viewport)
        return;
    // With the television look on, the HUD is drawn inside its picture.
    Ogre::Viewport* inside = tvCompositor && tvCompositor->getEnabled() ? televisionSceneViewport(*tvCompositor) : nullptr;
    if (inside)
        inside->setOverlaysEnabled(true);
    camera->viewport->setOverlaysEnabled(!inside);
}

void Level::resizePostEffects()
{
    for (Ogre::CompositorInstance* compositor : {colourCompositor, pixelateCompositor, tvCompositor})
        if (compositor && compositor->getEnabled())
            compositor->notifyResized();
    placeOverlays();
    if (fourthCompositor && fourthCompositor->getEnabled())
        fourthCompositor->notifyResized();
}

void Level::enableFog(bool on)
{
    if (on) {
        setFog();
        return;
    }
    if (Ogre::SceneManager* scene = Game::getSingletonPtr()->sceneManager)
        scene->setFog(Ogre::FOG_EXP2, fogColour, 0.0f, 0.0f, 0.0f);
}

void Level::setFog()
{
    Ogre::SceneManager* scene = Game::getSingletonPtr()->sceneManager;
    // Fog applies only while the camera's mode value is 0.
    if (!scene || (camera && camera->modeValue != 0))
        return;
    scene->setFog(Ogre::FOG_EXP2, fogColour, float(fogDensity), float(fogStart), float(fogEnd));
}
