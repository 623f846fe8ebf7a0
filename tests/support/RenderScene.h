// Real rendering for tests: Ogre on one of the program's OpenGL render
// systems in a hidden window (under the test run's X server), the sample
// game's resources, the Game record and a scene with overlays, with the
// means to place objects, render a frame and read its pixels back.
//
// Ogre allows one root per process, and the unit tests' root has no render
// system, so these tests build into their own executable. The render system
// follows ZARNITH_RENDER_LIBRARY, read like the settings file's `library`:
// empty gives the fixed-function OpenGL one, "D3D11" OpenGL 3+ with
// generated shaders.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <set>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
class Entity;
class MovableObject;
class Root;
class SceneManager;
class SceneNode;
} // namespace Ogre

// A fresh scene per test, seen from above: the camera looks down -Y with -Z
// up, orthographically, over 16 x 16 world units of the X-Z plane, drawn on
// frameSize x frameSize pixels. Ogre's clock stands still at 0 seconds while
// the scene lives, so animations show known frames. Makes the render window
// on first use and keeps it for the rest of the process; the materials
// module starts each scene with empty caches, and the materials and meshes
// made or loaded while the scene lives go with it.
class RenderScene {
public:
    static constexpr int frameSize = 256;
    static constexpr float viewSize = 16.0f;

    // Whether a test can render here (an X server is there).
    static bool available();

    RenderScene();
    ~RenderScene();
    RenderScene(const RenderScene&) = delete;
    RenderScene& operator=(const RenderScene&) = delete;

    // An object on a new node under the root, at the position.
    Ogre::SceneNode* place(Ogre::MovableObject* object, const Ogre::Vector3& position);
    // A mesh of the game's resources, as an entity placed at the position.
    Ogre::Entity* placeMesh(const std::string& meshName, const Ogre::Vector3& position);
    // A white directional light shining along the direction.
    void addLight(const Ogre::Vector3& direction);

    // Sets Ogre's clock (the controller manager's elapsed time, which the
    // shaders' "time" reads).
    void setClock(float seconds);
    void renderFrame();
    // The rendered colour at a world point of the play plane (y ignored).
    Ogre::ColourValue colourAt(const Ogre::Vector3& world) const;
    // The rendered colour at a point of the screen, 0 to 1 from the top left
    // (where overlays are placed).
    Ogre::ColourValue colourOnScreen(float x, float y) const;
    // The spread of the colours over a 24 x 24 grid of the square of the
    // screen from `from` to `to` (0 to 1 on both axes): a frame that drew
    // nothing there is flat.
    float spreadOnScreen(float from, float to) const;
    // Writes the last frame as a PNG into ZARNITH_RENDER_SHOTS when that
    // names a folder (to look at the frames by eye); otherwise nothing.
    void keepFrame(const std::string& name) const;

    Ogre::SceneManager* scene = nullptr;
    Ogre::Camera* camera = nullptr;

private:
    std::vector<unsigned char> pixels; // RGBA rows of the last frame
    std::set<std::string> materialsBefore;
    std::set<std::string> meshesBefore;
};
