// What a shot's death and trail effects have in common: which names mean
// "no effect", how a shot's particle system is prepared, scaled and started,
// the render-queue group of a shot effect, and the Level whose counts they
// keep.
#pragma once

#include <cstdint>
#include <string>

namespace Ogre {
class ParticleSystem;
class SceneManager;
} // namespace Ogre

class Level;

// Empty, "none" and "None" name no effect.
bool isEffectNameSet(const std::string& name);

// A shot system steps by the frame time, whatever interval its template set:
// a shot effect lives for a fraction of a second and must not lag behind
// the shot or skip its short emissions.
void prepareShotSystem(Ogre::ParticleSystem* system);

// Sizes the system, its emitters' places and its particles' speeds to the
// shot's scale, starting from the template's own values kept in the Game
// (read from the system the first time, so it must hold them then).
void scaleShotEffect(Ogre::ParticleSystem* system, const std::string& templateName, float scale);

// Starts the system from its beginning: the particles of its last play go,
// its first emitter counts its duration and repeat delay anew, and it emits.
void startFromBeginning(Ogre::ParticleSystem* system);

// Detaches the system from its node and destroys it; the pointer is cleared.
void destroyShotSystem(Ogre::SceneManager* scene, Ogre::ParticleSystem*& system);

// The group of a shot effect: 40 + the layer value + the offset, never past
// the last group Ogre accepts.
std::uint8_t shotEffectGroup(unsigned layerValue, unsigned offset = 0);

// The Level being played; null outside play, where no trail is counted.
Level* playLevel();
