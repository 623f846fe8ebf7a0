// Reads "gamebox.materials3D" (group "GAMERSC") into the materials module's 3D
// material definitions: per MATERIAL element (its "meshName") and per SUBMAT
// child (its "name"), the textures and lighting constants of that
// sub-material. Applies nothing to materials itself.
#pragma once

#include <string>

// An absent file reads nothing; a file that fails to parse adds nothing and
// leaves one log line.
void loadMaterials3DGamebox(std::string fileName);
