// Which of Ogre's OpenGL render systems stands in for the configured
// Direct3D library. The one place that maps the `library` setting.
#pragma once

#include <string>

namespace platform {

struct RenderSystemChoice {
    const char* plugin;       // plug-in file in Ogre's plug-in folder, without extension
    const char* name;         // the render system's name as Ogre registers it
    bool usesShaderGenerator; // no fixed function: passes get generated shaders
};

// "D3D11", "D3D" and "OGL" (byte-exact) take the OpenGL 3+ render system with
// generated shaders; every other value the fixed-function OpenGL one.
RenderSystemChoice chooseRenderSystem(const std::string& library);

} // namespace platform
