#include "world/RenderQueueGroups.h"

#include <algorithm>

std::uint8_t storedLayerOf(std::uint8_t layerIndex)
{
    if (layerIndex <= 9)
        return layerIndex;
    // The last index would wrap round to 0 and so draw below every other layer.
    return static_cast<std::uint8_t>(std::min(layerIndex + 1, 255));
}

std::uint8_t renderQueueGroupOf(std::uint8_t storedLayer)
{
    return static_cast<std::uint8_t>(std::min(storedLayer + unlayeredRenderQueueGroup, +maxRenderQueueGroup));
}
