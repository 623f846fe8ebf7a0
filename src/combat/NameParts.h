// A mesh or texture name cut at its last "." into a base and an extension.
// Enemies and tanks find the meshes and textures of their parts by putting a
// suffix between the two ("ship_BODY.mesh", "tank_TURRET.png").
#pragma once

#include <string>

struct NameParts {
    std::string base;
    // Keeps its dot; empty when the name has none.
    std::string extension;
};

inline NameParts splitAtLastDot(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {name, std::string()};
    return {name.substr(0, dot), name.substr(dot)};
}
