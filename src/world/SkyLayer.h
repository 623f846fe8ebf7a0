// One layer of a level's sky: a texture scrolled on the sky plane at its own
// speed, and the choice of the sky material for a number of layers.
#pragma once

#include <OgreVector.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Slots of sky layers a level can fill.
constexpr std::size_t skyLayerSlots = 8;
// Sky materials exist for 1 to this many layers.
constexpr std::size_t maxSkyMaterialLayers = 6;

struct skyLayer {
    std::string textureName;
    Ogre::Vector2 speed = Ogre::Vector2::ZERO;
    Ogre::Vector2 scrollOffset = Ogre::Vector2::ZERO;
    Ogre::Vector2 uv{1.0f, 1.0f};
    std::uint8_t isFitHorizontal = 0;
    float factor = 1.0f;
};

// The speed of a slot at construction: the slot's factor (6 for the first
// slot down to -1 for the last) on x, or on y with vertical layer speeds.
Ogre::Vector2 defaultSkyLayerSpeed(std::size_t slot, bool isVertical);

// "skybox_layered<n>_template" (or "..._pixel_template" when pixelated) for
// n active layers: 0 and 1 take the first; empty above the largest count,
// where the current material stays.
std::string skyMaterialName(std::size_t activeLayers, bool isPixelated);

// The "uvScale<i>" value of a layer on a texture of w x h pixels: the
// texture keeps its own aspect on a sky of the camera's aspect.
Ogre::Vector4 skyUvScale(const skyLayer& layer, float aspectRatio, float w, float h);
