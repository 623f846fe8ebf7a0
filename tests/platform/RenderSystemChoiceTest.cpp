#include "platform/RenderSystemChoice.h"

#include <gtest/gtest.h>

#include <string>

TEST(RenderSystemChoice, NewerLibrariesTakeOpenGL3WithGeneratedShaders)
{
    for (const char* library : {"D3D11", "D3D", "OGL"}) {
        const platform::RenderSystemChoice choice = platform::chooseRenderSystem(library);
        EXPECT_EQ(std::string(choice.name), "OpenGL 3+ Rendering Subsystem") << library;
        EXPECT_EQ(std::string(choice.plugin), "RenderSystem_GL3Plus") << library;
        EXPECT_TRUE(choice.usesShaderGenerator) << library;
    }
}

TEST(RenderSystemChoice, EveryOtherValueTakesFixedFunctionOpenGL)
{
    // The comparison is byte-exact: a lower-case name is not the newer library.
    for (const char* library : {"D3D9", "", "d3d11", "D3D11 ", "OpenGL"}) {
        const platform::RenderSystemChoice choice = platform::chooseRenderSystem(library);
        EXPECT_EQ(std::string(choice.name), "OpenGL Rendering Subsystem") << library;
        EXPECT_FALSE(choice.usesShaderGenerator) << library;
    }
}
