// The one factory of particle effects by sfx library name. An ordinary entry
// makes a system from the particle template of that name, with a material
// made on demand from the texture the template names; an animated-sheet
// entry makes a system from the fixed sprite template with a material that
// plays the sheet tile by tile. The first system made from a template leaves
// its size, emitter position and velocities in the Game's cache, so that
// later scaling starts from the template's values.
#pragma once

#include <array>
#include <string>

namespace Ogre {
class ParticleSystem;
class SceneManager;
} // namespace Ogre

class Game;

// The system, not emitting, owned by the scene manager; null for an empty
// or unknown library name and for a template Ogre lacks.
Ogre::ParticleSystem* createSpriteEffect(Game* game, const std::string& name, const std::string& libraryName,
                                         Ogre::SceneManager* sceneManager, bool isBullet, bool isAlwaysVisible);

// The cache entry of the template: the template's default particle width and
// height, its first emitter's position (x, y, z) and particle velocity, least
// and greatest. Read from the system when the cache has none yet, so the
// system must still hold the template's own values then.
const std::array<float, 8>& templateValuesOf(Game& game, const std::string& templateName,
                                             const Ogre::ParticleSystem& system);
