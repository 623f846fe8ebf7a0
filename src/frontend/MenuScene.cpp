#include "frontend/MenuScene.h"

#include <Overlay/OgreOverlaySystem.h>
#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreViewport.h>

namespace {

constexpr float fieldOfView = 0.6981317f; // 40 degrees

} // namespace

void MenuScene::create(Ogre::RenderWindow* window)
{
    sceneManager = Ogre::Root::getSingleton().createSceneManager();
    if (Ogre::OverlaySystem* overlays = Ogre::OverlaySystem::getSingletonPtr())
        sceneManager->addRenderQueueListener(overlays);
    camera = sceneManager->createCamera("IntroCam");
    camera->setNearClipDistance(1.0f);
    camera->setFarClipDistance(10000.0f);
    camera->setFOVy(Ogre::Radian(fieldOfView));
    if (window->getHeight() > 0)
        camera->setAspectRatio(static_cast<float>(window->getWidth()) / static_cast<float>(window->getHeight()));
    viewport = window->addViewport(camera, 0);
    viewport->setBackgroundColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 1.0f));
    viewport->setClearEveryFrame(true, Ogre::FBT_COLOUR | Ogre::FBT_DEPTH);
}

void MenuScene::destroy(Ogre::RenderWindow* window)
{
    if (!sceneManager)
        return;
    if (window && window->hasViewportWithZOrder(0))
        window->removeViewport(0);
    sceneManager->destroyCamera(camera);
    Ogre::Root::getSingleton().destroySceneManager(sceneManager);
    sceneManager = nullptr;
    camera = nullptr;
    viewport = nullptr;
}
