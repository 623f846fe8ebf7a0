// Materials of 3D meshes (backgrounds, items, the player, enemies, tanks):
// each sub-entity gets a material of its own, "<mesh>_<index>" in group
// "GAMERSC_materials", cloned from a lit template and filled from the mesh's
// 3D material definition; the shadow switch and the diffuse texture size.
#pragma once

#include <OgreMaterial.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Entity;
}

// The sub-material key of sub-entity `index`: the mesh name without its
// ".mesh" (its last five characters), "_" and the index ("ship_2").
std::string subMaterialKey(const std::string& meshName, unsigned index);

// createMeshMaterials with the name of the entity's mesh.
void applyMeshMaterials(Ogre::Entity* entity);
void createMeshMaterials(Ogre::Entity* entity, const std::string& meshName);
// Writes the mesh's definition of a clone (found by the clone's name) into it.
void applyMaterial3DParameters(const std::string& meshName, const Ogre::MaterialPtr& material);
// Puts the texture into every texture unit of that name (a missing texture
// becomes the stand-in of the unit's kind); true when a unit got it.
bool setMaterialTextureNames(const Ogre::MaterialPtr& material, const std::string& unitName, std::string texture);
// Switches shadow reception of every sub-entity's material. Its shader reads
// the shadow texture ("isShadow" 1) only when the entity's scene projects
// shadow textures at the time of the call: without them the projection is
// never written and would darken the surface at random.
void setLightingParameters(Ogre::Entity* entity, bool shadowed);
// The flash colour (custom parameter 1: rgb added times alpha; hits and
// invincibility set it) at none on every sub-entity that has none yet. The
// shaders read it from every object they draw, and Ogre leaves the last
// object's value in place for an object that never set it.
void clearFlashColour(Ogre::Entity* entity);
// Pixels of one frame of the entity's diffuse texture, times the Game's spriteScale.
Ogre::Vector2 getDiffuseTextureSize(Ogre::Entity* entity);
