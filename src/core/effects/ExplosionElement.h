// Explosions of the game: a named list of elements (the library
// "gamebox.explosions"), each a particle burst, an animated sprite sheet or a
// light flash with its own start time, duration, offset, scale and sound.
// One record is both the library definition and the live instance the
// effects manager copies from it, starts, steps and destroys.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Ogre {
class ParticleSystem;
class SceneManager;
class SceneNode;
} // namespace Ogre

class GameCamera;

// The head of one explosion of the library.
struct ExplosionRef {
    std::string screenName;
};

class ExplosionElement {
public:
    enum : std::uint32_t { stateWaiting = 0, stateRunning = 2, stateFinished = 3 };

    ExplosionElement() = default;
    ~ExplosionElement() { destroy(); }
    // Copies are the effects manager's instances: settings only, no visuals.
    ExplosionElement(const ExplosionElement& other);
    ExplosionElement& operator=(const ExplosionElement&) = delete;

    // Creates the visuals of a new instance: particles in the space of the
    // camera rig's node "CamNode1" when inCameraSpace, else in the world.
    void start(bool inCameraSpace);
    void update(double dt);
    void destroy();

    // The names of this instance's particle system and sprite material,
    // made when it starts.
    const std::string& particleSystemName() const { return systemName; }
    const std::string& spriteMaterialName() const { return materialName; }

    // Definition
    std::string screenName = "element";
    double timeBeforeStart = 0.0;
    double duration = 3.0;
    Ogre::Vector3 position = Ogre::Vector3::ZERO; // offset in "CamNode1" space
    float orientation = 0.0f;                     // degrees
    float scaling = 1.0f;
    std::string particleName = "Enemy_explosion";
    std::string textureName;
    std::string soundName;
    float soundPitch[2] = {0.0f, 0.1f}; // base, spread
    float explosionVolume = 1.0f;
    std::uint8_t isChild = 0;
    std::uint8_t isCameraShake = 0;
    float cameraShakeStrength = 1.0f;
    Ogre::Vector2 textureDiv{1.0f, 1.0f}; // columns, rows
    std::uint8_t isAlpha = 1;
    std::uint8_t isLight = 0;
    float lightRange = 150.0f;
    Ogre::ColourValue lightColor{1.0f, 0.5f, 0.1f, 1.0f};
    float lightIntensity = 2.0f;

    // Instance
    double elapsed = 0.0;
    std::uint32_t state = stateWaiting;
    std::uint8_t hasRunFrame = 0;
    std::uint16_t layer = 0;
    std::uint16_t priority = 0;
    Ogre::SceneNode* node = nullptr;
    Ogre::ParticleSystem* particleSystem = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    GameCamera* camera = nullptr;
    // The camera rig's node "CamNode1", given by the spawner; looked up at
    // start when not given.
    Ogre::SceneNode* cameraNode = nullptr;

private:
    std::string systemName;
    std::string materialName;

    void nameInstance();
    void createNode(bool inCameraSpace);
    void createParticles(bool inCameraSpace);
    void applySpriteSheet(bool inCameraSpace);
    void applyScaling();
    void begin();
    void playSound();
};

// An explosion: its head and its elements in order, all owned by the library.
using explosionDefinition = std::pair<ExplosionRef*, std::vector<ExplosionElement*>>;
using explosionLibraryMap = std::map<std::string, explosionDefinition>;
