// A HUD element's bar on real textures: each layer measured from its own
// texture and drawn with a material cloned for the element, and nothing of
// the bar left once the element is gone.
#include "render/LibraryEntry.h"
#include "support/RenderScene.h"

#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/HUDElement.h"

#include <Overlay/OgreOverlayContainer.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HudBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
};

std::string materialOf(const Ogre::OverlayContainer* panel) { return panel->getMaterial()->getName(); }

} // namespace

TEST_F(HudBar, EachLayerIsMeasuredFromItsTextureAndDrawnWithAMaterialOfItsOwn)
{
    // A tall back (8 x 64), a wide fill and a sheet of four frames as the ready layer.
    LibraryEntry coin(game.pictureLibrary, "itemCoin.png", 4.0f, 1.0f);
    for (const char* texture : {"missileTrail.png", "enemyBar_front.png", "itemCoin.png"})
        createAnimatedPictureMaterial(texture, "");
    auto bar = std::make_unique<HUDElement>();
    bar->type = hudElementBar;
    bar->createBar("missileTrail.png", "enemyBar_front.png", "itemCoin.png");

    EXPECT_FALSE(bar->isHorizontal); // the back is taller than wide
    EXPECT_EQ(bar->backSize, Ogre::Vector2(8.0f, 64.0f) / 512.0f);
    EXPECT_EQ(bar->frontSize, Ogre::Vector2(256.0f, 32.0f) / 512.0f);
    EXPECT_EQ(bar->readySize, Ogre::Vector2(32.0f, 32.0f) / 512.0f);

    const struct {
        const Ogre::OverlayContainer* panel;
        const char* material;
        bool isClampedToBorder;
    } layers[] = {
        {bar->emptyLayer, "missileTrail.pngBARBACK", false},
        {bar->lifeLayer, "enemyBar_front.pngBARFRONT", true},
        {bar->life2Layer, "enemyBar_front.pngBARFRONT2", true},
        {bar->readyLayer, "itemCoin.pngBARREADY", false},
    };
    std::vector<std::string> clones;
    for (const auto& layer : layers) {
        ASSERT_NE(layer.panel, nullptr);
        const Ogre::MaterialPtr material = layer.panel->getMaterial();
        EXPECT_EQ(material->getName().rfind(layer.material, 0), 0u) << material->getName();
        EXPECT_EQ(material->getGroup(), "GAMERSC");
        EXPECT_EQ(layer.panel->getCustomParameter(1), Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f)) << layer.material;
        const Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0);
        ASSERT_NE(unit, nullptr);
        if (layer.isClampedToBorder) {
            EXPECT_EQ(unit->getTextureAddressingMode().u, Ogre::TAM_BORDER) << layer.material;
            EXPECT_EQ(unit->getTextureBorderColour(), Ogre::ColourValue::ZERO) << layer.material;
        }
        clones.push_back(material->getName());
    }
    // Two elements of one texture keep apart.
    HUDElement other;
    other.createBar("missileTrail.png", "", "");
    EXPECT_NE(materialOf(other.emptyLayer), clones.front());

    bar.reset();
    for (const std::string& clone : clones)
        EXPECT_FALSE(findMaterial(clone, "GAMERSC")) << clone;
    EXPECT_TRUE(findMaterial(materialOf(other.emptyLayer), "GAMERSC"));
}
