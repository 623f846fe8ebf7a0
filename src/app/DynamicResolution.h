// Renders the scene at a chosen resolution through the compositor
// "DynamicResolution", keeping the window's shape; overlays are drawn into the
// scaled image.
#pragma once

namespace Ogre {
class Viewport;
}

// The size the scene texture takes for a requested size on a window of the
// given aspect (width / height): the requested shape is widened or heightened
// to the window's.
void fitToWindowAspect(float windowAspect, int& width, int& height);

// Does nothing when the viewport has no "DynamicResolution" compositor.
void applyDynamicResolution(Ogre::Viewport* viewport, int width, int height);
