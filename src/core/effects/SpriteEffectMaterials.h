// Materials of the particle effects made by library name: one per texture
// for ordinary templates ("particleTextureMaterial" or its additive twin,
// by the texture's alpha), one per sheet for animated sprite sheets (a clone
// of "Particles/Explo" playing the sheet through shader constants).
#pragma once

#include <string>

namespace Ogre {
class ParticleSystem;
}

class Game;
struct sfxLibraryEntry;

// Gives the template's material its texture, making it when missing.
void applyTemplateMaterial(Game& game, Ogre::ParticleSystem& system, const std::string& libraryName);
// Makes the materials that particle templates name after their pictures and
// that no script defines, once the templates are parsed: every system, also
// one made straight from its template, then shows its picture, and later
// effects find the material made. A name that is no picture is logged once.
void makeParticleTemplateMaterials();
// Gives the system the sheet's material, its tile constants, size and timing.
void applySheetMaterial(Game& game, Ogre::ParticleSystem& system, const std::string& libraryName,
                        const sfxLibraryEntry& entry, bool isAlwaysVisible);
