// The level's effects manager: turns a named explosion of the explosions
// library into live element instances at a position and steps them until
// they finish, and owns the shared particle systems that many objects fire
// at a position (sparks, the player's hit, impacts, item pick-ups, the
// ready-gauge glow, two small smoke systems). Shared systems are made once
// per level and only moved and restarted when fired.
#pragma once

#include "core/effects/ExplosionElement.h"

#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class ManualObject;
class ParticleSystem;
class SceneManager;
class SceneNode;
} // namespace Ogre

class GameCamera;
class Level;

class sfxManager {
public:
    sfxManager() = default;
    ~sfxManager() { destroyAll(); }
    sfxManager(const sfxManager&) = delete;
    sfxManager& operator=(const sfxManager&) = delete;

    void destroyAll();
    void clear();
    void createSharedParticles();
    void createParticleItem();
    void createReadyGauge();
    void preloadSounds();
    void update(double dt);

    // Spawns the explosion's elements around `position` (world space; it is
    // given back in the space of the camera rig's node "CamNode1"). False
    // for "None" and for a name the library lacks.
    bool spawn(const std::string& name, Ogre::Vector3& position, float scale, bool inCameraSpace,
               std::uint16_t renderQueueGroup, std::uint16_t firstPriority, float delay);
    // The most explosions one death asks for: each is a set of particle
    // systems and sounds made in the frame of the death, and no pool bounds them.
    static constexpr std::int32_t mostExplosionsOfOneDeath = 100;
    void spawnAtPlayPlane(const Ogre::Vector3& position);

    void emitSparks(const Ogre::Vector3& position);
    void emitPlayerHit(const Ogre::Vector3& position);
    void emitImpactParticles(const Ogre::Vector3& position);
    void emitParticleItem(const Ogre::Vector3& position);
    void emitReadyGauge();
    void stopReadyGauge();
    // Both small smoke systems: emitting off, first emitter off.
    void stopSmoke();

    Ogre::SceneNode* markerNode = nullptr;
    Ogre::ManualObject* markerObject = nullptr;
    Ogre::SceneNode* sparksNode = nullptr;
    Ogre::ParticleSystem* sparksParticles = nullptr;
    Ogre::SceneNode* hitNode = nullptr;
    Ogre::ParticleSystem* hitParticles = nullptr;
    Ogre::SceneNode* impactNode = nullptr;
    Ogre::ParticleSystem* impactParticles = nullptr;
    Ogre::SceneNode* itemNode = nullptr;
    Ogre::ParticleSystem* itemParticles = nullptr;
    Ogre::ParticleSystem* readyGaugeParticles = nullptr;
    std::vector<ExplosionElement*> instances; // owned
    Ogre::SceneNode* smokeNode1 = nullptr;
    Ogre::SceneNode* smokeNode2 = nullptr;
    Ogre::ParticleSystem* smokeParticles1 = nullptr;
    Ogre::ParticleSystem* smokeParticles2 = nullptr;
    GameCamera* camera = nullptr;
    const explosionLibraryMap* explosions = nullptr;
    Level* level = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;

private:
    // Where and how one spawn places its instances.
    struct SpawnPlace {
        Ogre::Vector3 position;
        float scale;
        bool inCameraSpace;
        std::uint16_t layer;
        std::uint16_t firstPriority;
        float delay;
    };
    // The scene's camera rig node, looked up once per scene manager (again
    // while the scene has none).
    Ogre::SceneNode* rigNode();
    void spawnElement(const ExplosionElement& element, std::size_t index, const SpawnPlace& place);
    void spawnChild(const ExplosionElement& element, const SpawnPlace& place);
    void startInstance(ExplosionElement* instance, std::uint16_t priority, const SpawnPlace& place);
    Ogre::SceneNode* sharedNode(const std::string& name);
    void destroyParticles(Ogre::ParticleSystem*& particles);
    // Moves the node there and makes the particles begin emitting anew.
    static void fireAt(Ogre::SceneNode* node, Ogre::ParticleSystem* particles, const Ogre::Vector3& position);
    // Emitting off, first emitter off, particles gone.
    static void stopParticles(Ogre::ParticleSystem* particles);
    void destroyNode(Ogre::SceneNode*& node);

    Ogre::SceneNode* cameraNode = nullptr;
    const Ogre::SceneManager* cameraNodeScene = nullptr;
};
