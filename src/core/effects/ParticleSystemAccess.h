// Safe access to the emitters, affectors and materials of particle systems
// made from the game's templates: Debian's Ogre aborts on an emitter or
// affector index out of range, and templates differ in what they hold, so
// every step on a part the system lacks is skipped.
#pragma once

#include <string>

namespace Ogre {
class TextureUnitState;
class ParticleAffector;
class ParticleEmitter;
class ParticleSystem;
} // namespace Ogre

Ogre::ParticleEmitter* emitterAt(Ogre::ParticleSystem* system, unsigned short index);
Ogre::ParticleAffector* affectorAt(Ogre::ParticleSystem* system, unsigned short index);

// Switches the first emitter on or off, when there is one.
void setFirstEmitterEnabled(Ogre::ParticleSystem* system, bool enabled);
// Switches the first emitter off and on again: it begins emitting anew.
void restartFirstEmitter(Ogre::ParticleSystem* system);

// Whether Ogre's particle system manager holds a template of that name.
bool hasParticleTemplate(const std::string& name);

// Depth checking on or off on every pass of the system's material.
void setParticleDepthCheck(Ogre::ParticleSystem* system, bool enabled);

// A positive finite number for a divisor or a count read from data: values
// below `least` (and non-finite ones) become `fallback`, logged once per
// description.
float safeDivisor(float value, float least, float fallback, const char* description);

// Gives the unit the texture from the group that holds it. Without a render
// system (tools, tests) there are no textures to load: the unit then keeps
// only the texture's name.
void giveUnitTexture(Ogre::TextureUnitState* unit, const std::string& texture);
