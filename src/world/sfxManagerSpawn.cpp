// Explosions of the effects manager: spawning the elements of a named
// explosion as live instances, stepping them and retiring finished ones.
#include "world/sfxManager.h"

#include "app/AudioService.h"
#include "world/FiniteVector.h"
#include "world/RenderQueueGroups.h"

#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const char* const cameraNodeName = "CamNode1";

} // namespace

bool sfxManager::spawn(const std::string& name, Ogre::Vector3& position, float scale, bool inCameraSpace,
                       std::uint16_t renderQueueGroup, std::uint16_t firstPriority, float delay)
{
    // Every instance lives in the space of the camera rig's node.
    position = finiteOr(position, 0.0f);
    if (Ogre::SceneNode* rig = rigNode())
        position = rig->convertWorldToLocalPosition(position);
    if (name == "None" || !explosions)
        return false;
    const auto found = explosions->find(name);
    if (found == explosions->end())
        return false;
    const std::uint16_t layer =
        renderQueueGroup > unlayeredRenderQueueGroup ? renderQueueGroup - unlayeredRenderQueueGroup : 0;
    const SpawnPlace place{position, scale, inCameraSpace, layer, firstPriority, delay};
    const std::vector<ExplosionElement*>& elements = found->second.second;
    for (std::size_t index = 0; index < elements.size(); ++index) {
        if (elements[index]->isChild)
            spawnChild(*elements[index], place);
        else
            spawnElement(*elements[index], index, place);
    }
    return true;
}

Ogre::SceneNode* sfxManager::rigNode()
{
    if (sceneManager != cameraNodeScene || !cameraNode) {
        cameraNodeScene = sceneManager;
        cameraNode = sceneManager ? sceneManager->getSceneNode(cameraNodeName, false) : nullptr;
    }
    return cameraNode;
}

void sfxManager::spawnElement(const ExplosionElement& element, std::size_t index, const SpawnPlace& place)
{
    auto* instance = new ExplosionElement(element);
    instance->position = element.position * place.scale + place.position;
    instance->timeBeforeStart = element.timeBeforeStart + place.delay;
    instance->scaling = element.scaling * place.scale;
    startInstance(instance, static_cast<std::uint16_t>(place.firstPriority + index), place);
}

// A child reference plays every element of another explosion, offset,
// delayed and scaled by the referring element.
void sfxManager::spawnChild(const ExplosionElement& element, const SpawnPlace& place)
{
    const auto child = explosions->find(element.particleName);
    if (child == explosions->end())
        return;
    const std::vector<ExplosionElement*>& parts = child->second.second;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const ExplosionElement& part = *parts[index];
        // The shake and light of the referring element win for the first part when it shakes.
        const ExplosionElement& effects = index == 0 && element.isCameraShake ? element : part;
        auto* instance = new ExplosionElement;
        instance->position = (element.position + part.position) * place.scale + place.position;
        instance->timeBeforeStart = element.timeBeforeStart + part.timeBeforeStart + place.delay;
        instance->orientation = element.orientation + part.orientation;
        instance->scaling = element.scaling * place.scale;
        instance->duration = part.duration;
        instance->particleName = part.particleName;
        instance->soundName = part.soundName;
        instance->explosionVolume = element.explosionVolume;
        instance->soundPitch[0] = element.soundPitch[0];
        instance->soundPitch[1] = element.soundPitch[1];
        instance->isCameraShake = effects.isCameraShake;
        instance->cameraShakeStrength = effects.cameraShakeStrength;
        instance->isLight = effects.isLight;
        instance->lightColor = effects.lightColor;
        instance->lightIntensity = effects.lightIntensity;
        instance->lightRange = effects.lightRange;
        startInstance(instance, static_cast<std::uint16_t>(place.firstPriority + index), place);
    }
}

void sfxManager::startInstance(ExplosionElement* instance, std::uint16_t priority, const SpawnPlace& place)
{
    instance->layer = place.layer;
    instance->priority = priority;
    instance->sceneManager = sceneManager;
    instance->camera = camera;
    instance->cameraNode = rigNode();
    instances.push_back(instance);
    instance->start(place.inCameraSpace);
    if (!instance->soundName.empty())
        loadSound(instance->soundName, true, false, false, false);
}

void sfxManager::update(double dt)
{
    std::size_t kept = 0;
    for (ExplosionElement* instance : instances) {
        if (instance->state == ExplosionElement::stateFinished) {
            delete instance; // the destructor destroys its visuals
            continue;
        }
        instance->update(dt);
        instances[kept++] = instance;
    }
    instances.resize(kept);
}

void sfxManager::clear()
{
    for (ExplosionElement* instance : instances)
        delete instance;
    instances.clear();
    // The shared systems of pick-ups and the ready gauge stop and lose their
    // particles; the smoke stops too.
    stopParticles(itemParticles);
    stopParticles(readyGaugeParticles);
    stopSmoke();
}

void sfxManager::preloadSounds()
{
    if (!explosions)
        return;
    for (const auto& explosion : *explosions)
        for (const ExplosionElement* element : explosion.second.second)
            if (!element->soundName.empty())
                loadSound(element->soundName, true, false, false, false);
}
