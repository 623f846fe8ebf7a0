// One textured sub-material of a 3D mesh as "gamebox.materials3D" describes
// it: the textures and lighting constants put into the material cloned for
// that sub-mesh.
#pragma once

#include <string>

struct material3DDefinition {
    std::string screenName;
    std::string diffuseTexture = "grey.bmp";
    std::string specularTexture = "grey.bmp";
    // Empty: no normal map.
    std::string normalTexture;
    std::string ambientTexture = "black.bmp";
    std::string reflectionTexture = "ReflectionMap_blurry.dds";
    float fresnel = 0.5f;
    float shininess = 30.0f;
    float specularMult = 1.0f;
    bool isAlpha = false;
};
