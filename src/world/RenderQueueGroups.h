// Render-queue groups of the level's layers. Layers 0 to 9 draw in the groups
// 40 to 49 and layers 10 and up in 51 and up, so that no layer shares group 50
// with the effects drawn there. Ogre aborts on a group above 105, so every
// layered group is computed here and capped.
#pragma once

#include <cstdint>

// The group of objects that are not drawn on a layer of their own.
constexpr std::uint8_t unlayeredRenderQueueGroup = 40;
constexpr std::uint8_t maxRenderQueueGroup = 105;

// The layer value an object stores for the position of its layer in the
// level's list: one more from 10 on, skipping the value that maps to group 50.
std::uint8_t storedLayerOf(std::uint8_t layerIndex);

// The group of a stored layer: 40 above it, never above 105.
std::uint8_t renderQueueGroupOf(std::uint8_t storedLayer);
