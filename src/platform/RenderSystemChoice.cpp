#include "platform/RenderSystemChoice.h"

namespace platform {

RenderSystemChoice chooseRenderSystem(const std::string& library)
{
    // "OGL" is treated as the newer library, as the original did with Direct3D 11.
    if (library == "D3D11" || library == "D3D" || library == "OGL")
        return {"RenderSystem_GL3Plus", "OpenGL 3+ Rendering Subsystem", true};
    return {"RenderSystem_GL", "OpenGL Rendering Subsystem", false};
}

} // namespace platform
