// Opens the game's window and brings Ogre up on it: settings file, plug-ins,
// render system, affector factories, SDL window, render window, first scene.
#pragma once

#include <OgreConfigFile.h>

#include <SDL.h>

namespace Ogre {
class OverlaySystem;
class RenderSystem;
class RenderWindow;
class Root;
class SceneManager;
} // namespace Ogre

// Program-wide handles made at start-up and released by shutdown.
struct GraphicsHandles {
    Ogre::Root* root = nullptr;
    Ogre::OverlaySystem* overlaySystem = nullptr;
    Ogre::ConfigFile configFile; // config.ini as loaded by the window set-up
    Ogre::RenderSystem* renderSystem = nullptr;
    SDL_Window* sdlWindow = nullptr;
    Ogre::RenderWindow* renderWindow = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
};

extern GraphicsHandles graphics;

void createOverlaySystem();
void destroyOverlaySystem();

class GraphicsSystem {
public:
    // Throws Ogre's internal-error exception when SDL gives no native window.
    static void initialize();
};
