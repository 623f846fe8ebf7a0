// The arithmetic of fitting the camera's view to a window: the viewport
// rectangle that keeps the design aspect, the vertical field of view that
// keeps the design's horizontal view, and the shadow range.
#pragma once

// A viewport rectangle in shares of the window, from its top left corner.
struct viewportRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 1.0f;
    float height = 1.0f;
};

// The whole window, or with letterboxing on, bars above and below (a
// narrower window) or at the sides (a wider one). Windows of no size give
// the whole window.
viewportRect fitViewportRect(float windowWidth, float windowHeight, float aspectRatio, bool isLetterbox);

// The vertical field of view in radians for a viewport of W x H: fovDegrees
// when the viewport is at least as wide as the design aspect; otherwise
// widened so that the horizontal view stays the design's. Zero when the
// viewport has no size (nothing to fit).
float fittedFovY(float fovDegrees, float aspectRatio, float width, float height);

// The shadow far distance for a ground distance: the distance kept within
// 250 to 350, plus the level's extra and 100.
float shadowFarDistance(float groundDistance, float shadowExtra);
