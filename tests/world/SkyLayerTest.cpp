// Sky layers: the material for a count of layers, the slots' speeds and the
// texture scale that keeps a layer's picture in shape.
#include "world/SkyLayer.h"

#include <gtest/gtest.h>

namespace {

TEST(SkyLayer, TheMaterialFollowsTheCountOfLayers)
{
    EXPECT_EQ(skyMaterialName(0, false), "skybox_layered1_template");
    EXPECT_EQ(skyMaterialName(1, false), "skybox_layered1_template");
    EXPECT_EQ(skyMaterialName(5, false), "skybox_layered5_template");
    EXPECT_EQ(skyMaterialName(6, true), "skybox_layered6_pixel_template");
    EXPECT_EQ(skyMaterialName(2, true), "skybox_layered2_pixel_template");
    // No material has more layers: the current one stays.
    EXPECT_EQ(skyMaterialName(7, false), "");
    EXPECT_EQ(skyMaterialName(8, true), "");
}

TEST(SkyLayer, SlotsScrollFromSixDownToMinusOne)
{
    EXPECT_EQ(defaultSkyLayerSpeed(0, false), Ogre::Vector2(6.0f, 1.0f));
    EXPECT_EQ(defaultSkyLayerSpeed(6, false), Ogre::Vector2(0.0f, 1.0f));
    EXPECT_EQ(defaultSkyLayerSpeed(7, false), Ogre::Vector2(-1.0f, 1.0f));
    EXPECT_EQ(defaultSkyLayerSpeed(1, true), Ogre::Vector2(1.0f, 5.0f));
}

TEST(SkyLayer, ThePictureKeepsItsShapeAcrossOrAlongTheSky)
{
    skyLayer layer;
    layer.scrollOffset = Ogre::Vector2(1.0f, 2.0f);
    const float k = (16.0f / 9.0f) * 256.0f / 512.0f;
    const Ogre::Vector4 tall = skyUvScale(layer, 16.0f / 9.0f, 512.0f, 256.0f);
    EXPECT_FLOAT_EQ(tall.x, k);
    EXPECT_FLOAT_EQ(tall.y, 1.0f);
    EXPECT_FLOAT_EQ(tall.z, -0.2f);
    EXPECT_FLOAT_EQ(tall.w, 0.4f);

    layer.isFitHorizontal = 1;
    const Ogre::Vector4 across = skyUvScale(layer, 16.0f / 9.0f, 512.0f, 256.0f);
    EXPECT_FLOAT_EQ(across.x, 1.0f);
    EXPECT_FLOAT_EQ(across.y, 1.0f / k);
}

TEST(SkyLayer, ATextureOfNoSizeCountsAsSquare)
{
    const Ogre::Vector4 scale = skyUvScale(skyLayer{}, 2.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(scale.x, 2.0f);
    EXPECT_FLOAT_EQ(scale.y, 1.0f);
}

} // namespace
