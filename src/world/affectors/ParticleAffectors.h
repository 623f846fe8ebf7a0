// Start-up and shutdown of the program's own particle affector types, which
// must be known to Ogre before any particle script is parsed.
#pragma once

// Makes the four affector factories and registers them with Ogre's particle
// system manager.
void createParticleAffectorFactories();

// Deletes the factories. Runs after the Ogre root is gone, so it does not touch
// the particle system manager.
void destroyParticleAffectorFactories();
