// The materials module: every visual of a level gets an Ogre material of its
// own, cloned from the exported game's template materials and found again by
// name. This header holds the module's state for the whole run and its start
// and clearing; MeshMaterials.h, PictureMaterials.h, SpriteMaterials.h and
// ShotMaterials.h make the materials. The Ogre material manager keeps every
// clone; the module owns none of them.
#pragma once

#include "core/materials/material3DDefinition.h"

#include <map>
#include <set>
#include <string>

class Game;
struct pictureDefinition;

using pictureLibraryMap = std::map<std::string, pictureDefinition*>;
// Mesh file name, then sub-material key ("ship_2"), to its definition.
using material3DTable = std::map<std::string, std::map<std::string, material3DDefinition>>;

// What the module remembers of a material it made.
struct materialFlags {
    bool hasAlpha = true;
    bool lit = false;
};

struct MaterialModuleState {
    Game* game = nullptr;
    pictureLibraryMap* pictures = nullptr;
    pictureLibraryMap* sprites = nullptr;
    // Keys "sprite_" + texture for sprites, the plain texture name for lasers.
    std::map<std::string, materialFlags> flags;
    // Filled by loadMaterials3DGamebox; the module adds default entries.
    material3DTable definitions;
    // Pictures whose bad tile counts or durations were already reported.
    std::set<std::string> reportedPictures;
};

MaterialModuleState& materialModule();

// Binds the module to the Game and its pictures and sprites libraries; once
// at start-up, before any material is made.
void initMaterialModule();
// Same as clearMaterialCaches.
void resetMaterialModule();
// Empties the flags and the 3D material definitions; the materials already
// made stay with Ogre.
void clearMaterialCaches();
// Called by the level on a restart: this design keeps nothing per level.
void resetMaterialMaps();
