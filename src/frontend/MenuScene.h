// The dark scene the intro and the start menu draw their overlays over: a
// scene manager, the camera "IntroCam" and one black full-window viewport.
#pragma once

namespace Ogre {
class Camera;
class RenderWindow;
class SceneManager;
class Viewport;
} // namespace Ogre

struct MenuScene {
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::Camera* camera = nullptr;
    Ogre::Viewport* viewport = nullptr;

    void create(Ogre::RenderWindow* window);
    // Destroys the camera and the scene manager and removes the viewport.
    void destroy(Ogre::RenderWindow* window);
};
