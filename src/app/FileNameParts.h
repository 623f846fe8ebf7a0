// A file name split at its last "." into the base and the extension, as the
// enemies and tanks find the textures and meshes of their extra parts
// ("snake.png" gives "snake" and ".png", and base + "_BODY" + extension names
// the body's texture).
#pragma once

#include <string>

struct FileNameParts {
    std::string base;
    // Keeps its dot; empty for a name without one.
    std::string extension;
};

inline FileNameParts splitFileName(const std::string& name)
{
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos)
        return {name, std::string()};
    return {name.substr(0, dot), name.substr(dot)};
}

// The name of an extra part's file: base + part + extension ("snake.png" and
// "_BODY" give "snake_BODY.png").
inline std::string partFileName(const std::string& name, const char* part)
{
    const FileNameParts parts = splitFileName(name);
    return parts.base + part + parts.extension;
}
