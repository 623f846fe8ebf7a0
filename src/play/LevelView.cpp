// The Level's part in what the camera shows: layer scrolling, fog and the
// resizing of the post-effect compositors.
#include "play/Level.h"

#include "core/Game.h"
#include "world/FiniteVector.h"
#include "world/GameCamera.h"

#include <OgreCompositorInstance.h>
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

void Level::resizePostEffects()
{
    // The overlays move into the television compositor's "scene" viewport
    // with the play state's game viewport, which is not built yet.
    for (Ogre::CompositorInstance* compositor : {colourCompositor, pixelateCompositor, tvCompositor, fourthCompositor})
        if (compositor && compositor->getEnabled())
            compositor->notifyResized();
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
