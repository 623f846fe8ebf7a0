// A particle effect that belongs to another object (a player's ship, an
// enemy): read from the owner's definition, copied with it, given the node
// its particles follow, then switched on and off, for instance a trail that
// burns only while the ship thrusts. The particles come from the sprite
// effect factory, so the name may also be a picture or sprite.
#pragma once

#include "world/entity.h"

#include <OgreVector.h>

#include <string>

namespace Ogre {
class ParticleEmitter;
class ParticleSystem;
class SceneNode;
} // namespace Ogre

class sfxDefinition : public entity {
public:
    // The name is not used; every definition is called "SFXDefinition".
    explicit sfxDefinition(const std::string& unusedName = std::string());
    sfxDefinition(const sfxDefinition& other);
    ~sfxDefinition() override;
    sfxDefinition& operator=(const sfxDefinition&) = delete;

    entity* clone() const override;

    void createVisuals(Ogre::SceneNode* parent);
    // "none" means no particles.
    void loadParticleSystem(const std::string& templateName);
    // Scales size, emitter offsets and velocities from the values saved when
    // the system was loaded, so applying it twice changes nothing more.
    void applyScale();
    // Every emitter back to its saved offset, velocities (at the scale) and
    // direction.
    void resetEmitters();
    // Ignored without a system and while disabled.
    void setEmitting(bool on);

    std::string sfxName = "vectorSmoke";
    bool isEnable = true;
    // The effect loads silent and emits only once switched on.
    bool sfxBehavior = false;
    bool isOnTop = false; // kept for the owning object
    float savedEmissionRate = 0.0f;
    Ogre::Vector3 savedEmitterDirection = Ogre::Vector3::ZERO;
    Ogre::Vector3 savedEmitterPosition = Ogre::Vector3::ZERO;
    float savedDefaultWidth = 1.0f;
    float savedDefaultHeight = 1.0f;
    float savedVelocity = 1.0f;
    float savedMinVelocity = 1.0f;
    float savedMaxVelocity = 1.0f;
    Ogre::ParticleSystem* particleSystem = nullptr;
    Ogre::SceneNode* parentNode = nullptr;

private:
    void destroyParticleSystem();
    void saveTemplateValues();
    void scaleEmitter(Ogre::ParticleEmitter& emitter, float factor) const;
};
