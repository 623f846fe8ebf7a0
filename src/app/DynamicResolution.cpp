#include "app/DynamicResolution.h"

#include "app/GraphicsSystem.h"

#include <OgreCamera.h>
#include <OgreCompositionTechnique.h>
#include <OgreCompositor.h>
#include <OgreCompositorChain.h>
#include <OgreCompositorInstance.h>
#include <OgreCompositorManager.h>
#include <OgreRenderTarget.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

void fitToWindowAspect(float windowAspect, int& width, int& height)
{
    const float requested = static_cast<float>(width) / static_cast<float>(height);
    if (requested < windowAspect)
        width = static_cast<int>(height * windowAspect);
    else if (requested > windowAspect)
        height = static_cast<int>(width / windowAspect);
}

void applyDynamicResolution(Ogre::Viewport* viewport, int width, int height)
{
    if (!viewport || !graphics.renderWindow || height <= 0)
        return;
    Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
    if (!compositors.hasCompositorChain(viewport))
        return;
    Ogre::CompositorInstance* instance = compositors.getCompositorChain(viewport)->getCompositor("DynamicResolution");
    if (!instance)
        return;
    const float windowAspect = static_cast<float>(graphics.renderWindow->getWidth())
                               / static_cast<float>(graphics.renderWindow->getHeight());
    fitToWindowAspect(windowAspect, width, height);

    if (Ogre::CompositionTechnique::TextureDefinition* scene = instance->getTechnique()->getTextureDefinition("scene")) {
        scene->width = static_cast<unsigned>(width);
        scene->height = static_cast<unsigned>(height);
    }
    // Killing and reviving the instance recreates its textures at the new size.
    instance->setAlive(false);
    instance->setAlive(true);
    instance->setEnabled(true);

    Ogre::RenderTarget* target = instance->getRenderTarget("scene");
    if (target && target->getNumViewports() > 0) {
        Ogre::Viewport* sceneViewport = target->getViewport(0);
        sceneViewport->setOverlaysEnabled(true);
        if (Ogre::Camera* camera = sceneViewport->getCamera()) {
            camera->setAutoAspectRatio(false);
            camera->setAspectRatio(1.33f);
        }
    }
    viewport->setOverlaysEnabled(false);
}
