// The meshes that shape collision bodies. A background's companion mesh is
// named after its drawn mesh with "Coll" added ("rock.meshColl"); Ogre
// chooses a mesh's loader by the name's extension and knows none for that,
// so such meshes are read here with the mesh serializer.
#pragma once

#include <string>

// True when the game's group "GAMERSC" holds the mesh and it is loaded (now
// or before); false when it is absent or cannot be read, which is logged.
bool loadCollisionMesh(const std::string& name);
