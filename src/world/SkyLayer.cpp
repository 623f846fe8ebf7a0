#include "world/SkyLayer.h"

Ogre::Vector2 defaultSkyLayerSpeed(std::size_t slot, bool isVertical)
{
    const float k = 6.0f - static_cast<float>(slot);
    return isVertical ? Ogre::Vector2(1.0f, k) : Ogre::Vector2(k, 1.0f);
}

std::string skyMaterialName(std::size_t activeLayers, bool isPixelated)
{
    if (activeLayers > maxSkyMaterialLayers)
        return {};
    const std::size_t n = activeLayers < 1 ? 1 : activeLayers;
    return "skybox_layered" + std::to_string(n) + (isPixelated ? "_pixel_template" : "_template");
}

Ogre::Vector4 skyUvScale(const skyLayer& layer, float aspectRatio, float w, float h)
{
    // A texture without a size counts as square.
    const float width = w > 0.0f ? w : 1.0f;
    const float height = h > 0.0f ? h : 1.0f;
    float k = aspectRatio * height / width;
    if (!(k > 0.0f))
        k = 1.0f;
    const float u = -layer.scrollOffset.x * 0.2f;
    const float v = layer.scrollOffset.y * 0.2f;
    if (layer.isFitHorizontal)
        return {1.0f, 1.0f / k, u, v};
    return {k, 1.0f, u, v};
}
