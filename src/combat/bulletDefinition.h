// The look of a kind of shot: an entry of the Game's bullet library, named
// by a weapon's "meshName". Its sprite quads are drawn with the material
// "bullet_" + meshName by the sprite batch object of the same name.
#pragma once

#include <cstdint>
#include <string>

class bulletDefinition {
public:
    // Quad width and height factors (node x and z scale = shot scale times
    // these) and the collision outline's width and height.
    float width = 1.0f;
    float heigth = 1.0f;
    float obbwidth = 1.0f;
    float obbheigth = 1.0f;
    std::string name;
    std::string group = "COMMON";
    std::string screenName;
    std::string meshName;
    std::uint8_t isSprite = 0;
};
