// Whether a mesh of a name can be used, asked by the builders of backgrounds,
// items, players, enemies and tanks before they make an entity of it. The
// answers share the Game's cache with resourceExists for the whole run.
#pragma once

#include <string>

// True when the mesh can be used; a mesh of the game's own resources is
// loaded into Ogre's mesh manager on the way.
bool loadMeshResource(const std::string& name);

// Why the mesh of the group cannot be drawn ("not found", Ogre's error, or a
// file that held nothing to draw); empty when it can. It is loaded on the way.
std::string meshFault(const std::string& name, const std::string& group);
