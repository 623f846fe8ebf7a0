// Generated shaders for the OpenGL 3+ render system, which has no fixed
// function: every pass written without programs gets shaders from Ogre's
// run-time shader system, in every viewport of the game window.
#pragma once

namespace Ogre {
class Material;
class RenderWindow;
}

namespace platform {

// Starts the shader generator for the render window; the window must exist.
// Returns false (and leaves nothing started) when the generator cannot start.
bool startShaderGeneration(Ogre::RenderWindow* window);

// Releases the generator; call after the render window is destroyed (its
// listener goes with it) and before the Ogre root is deleted. Does nothing
// when it was not started.
void stopShaderGeneration();

// A material whose passes were left without programs draws with shaders the
// generator makes from its plain techniques, in every scheme: compositors
// draw with the default scheme, which the generator does not serve
// otherwise. Does nothing when the generator is not started (the fixed
// function then draws it).
void drawWithoutPrograms(Ogre::Material& material);

} // namespace platform
