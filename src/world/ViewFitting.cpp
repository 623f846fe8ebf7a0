#include "world/ViewFitting.h"

#include <algorithm>
#include <cmath>

viewportRect fitViewportRect(float windowWidth, float windowHeight, float aspectRatio, bool isLetterbox)
{
    viewportRect rect;
    if (!isLetterbox || windowWidth <= 0.0f || windowHeight <= 0.0f || aspectRatio <= 0.0f)
        return rect;
    const float r = windowWidth / windowHeight;
    if (r < aspectRatio) {
        rect.height = r / aspectRatio;
        rect.top = (1.0f - rect.height) / 2.0f;
    } else if (r > aspectRatio) {
        rect.width = aspectRatio / r;
        rect.left = (1.0f - rect.width) / 2.0f;
    }
    return rect;
}

float fittedFovY(float fovDegrees, float aspectRatio, float width, float height)
{
    if (width <= 0.0f || height <= 0.0f)
        return 0.0f;
    const float r = width / height;
    if (aspectRatio <= r)
        return fovDegrees * 0.017453292f;
    const float h = std::atan(std::tan(fovDegrees * 0.008726646f) * aspectRatio);
    return 2.0f * std::atan(std::tan(h) / r);
}

float shadowFarDistance(float groundDistance, float shadowExtra)
{
    const float d = std::isfinite(groundDistance) ? groundDistance : 250.0f;
    return std::clamp(d, 250.0f, 350.0f) + shadowExtra + 100.0f;
}
