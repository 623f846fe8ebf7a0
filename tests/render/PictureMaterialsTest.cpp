// Overlay picture materials: names, textures and the frame constants their
// programs receive, scrolling pictures, and the restart of an animation.
#include "render/ConstantReadback.h"
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/MeshAvailability.h"
#include "core/materials/PictureMaterials.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreEntity.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PictureMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }
    void TearDown() override { game.spriteScale = 1.0f; }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

TEST_F(PictureMaterials, AnEmptyPictureIsNoneWithTheStandInAndAMissingOneIsLogged)
{
    const Ogre::MaterialPtr none = createAnimatedPictureMaterial("", "_hud");
    EXPECT_EQ(none->getName(), "none_hud");
    EXPECT_EQ(none->getGroup(), "GAMERSC");
    EXPECT_EQ(unitAt(none, 0, 0, 0)->getTextureName(), "notFound.jpg");
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));

    const Ogre::MaterialPtr logo = createAnimatedPictureMaterial("logo.png", "");
    EXPECT_EQ(logo->getName(), "logo.png");
    EXPECT_TRUE(log.contains("[ERROR] can't find picture: logo.png"));
    // Found again by name, and given its texture again.
    EXPECT_EQ(createAnimatedPictureMaterial("logo.png", ""), logo);
}

TEST_F(PictureMaterials, APictureOfTheLibraryGetsItsFrameConstants)
{
    LibraryEntry blink(game.pictureLibrary, "hudBlink.png", 2.0f, 1.0f);
    blink->isPixelFiltering = true;
    auto* flash = new pictureAnimation;
    flash->animType = 1;
    flash->duration = 0.5f;
    blink->animations["flash"] = flash;
    const Ogre::MaterialPtr material = createAnimatedPictureMaterial("hudBlink.png", "_bar");
    EXPECT_EQ(material->getName(), "hudBlink.png_bar");
    EXPECT_EQ(unitAt(material, 0, 0, 0)->getTextureName(), "hudBlink.png");
    EXPECT_FALSE(passAt(material, 0, 0)->getDepthCheckEnabled());
    EXPECT_FALSE(passAt(material, 0, 0)->getLightingEnabled());
    EXPECT_EQ(vertexConstant(material, "numTilesU"), std::vector<float>{2.0f});
    EXPECT_EQ(vertexConstant(material, "numTilesV"), std::vector<float>{1.0f});
    EXPECT_EQ(vertexConstant(material, "animSPeed"), std::vector<float>{2.0f}); // 1 / duration
    EXPECT_EQ(vertexConstant(material, "animType"), std::vector<float>{1.0f});
    EXPECT_EQ(vertexConstant(material, "textureDimensionsX"), std::vector<float>{256.0f});
    EXPECT_EQ(vertexConstant(material, "textureDimensionsY"), std::vector<float>{128.0f});
    EXPECT_EQ(vertexConstant(material, "startEndFrames"), (std::vector<float>{0.0f, 1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(fragmentConstant(material, "textureDimensionsX"), std::vector<float>{256.0f});
    EXPECT_EQ(fragmentConstant(material, "filterScale"), std::vector<float>{2.5f});
}

TEST_F(PictureMaterials, AnAnimationOfNoDurationRunsOnceASecondAndIsReported)
{
    LibraryEntry blink(game.pictureLibrary, "hudBlink.png", 2.0f, 1.0f);
    auto* frozen = new pictureAnimation;
    frozen->animType = 0;
    frozen->duration = 0.0f;
    blink->animations["frozen"] = frozen;
    const Ogre::MaterialPtr material = createAnimatedPictureMaterial("hudBlink.png", "");
    EXPECT_EQ(vertexConstant(material, "animSPeed"), std::vector<float>{1.0f});
    EXPECT_EQ(fragmentConstant(material, "filterScale"), std::vector<float>{1.0f});
    EXPECT_TRUE(log.containsPrefix("[ERROR] picture hudBlink.png"));
}

TEST_F(PictureMaterials, AScrollingPictureScrollsAndWrapsAndStaysSharpForPixelArt)
{
    game.spriteScale = 2.0f;
    const Ogre::MaterialPtr material = createScrollingPictureMaterial("Space.jpg", "_menu");
    EXPECT_EQ(material->getName(), "Space.jpg_menu");
    EXPECT_EQ(material->getGroup(), "Media");
    Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0);
    EXPECT_EQ(unit->getTextureName(), "Space.jpg");
    EXPECT_EQ(unit->getTextureFiltering(Ogre::FT_MAG), Ogre::FO_POINT);
    setPictureScrollSpeed(material, Ogre::Vector2(0.1f, 0.0f));
    EXPECT_EQ(vertexConstant(material, "scrollSpeed"), (std::vector<float>{0.1f, 0.0f}));
    EXPECT_EQ(unit->getTextureAddressingMode().u, Ogre::TAM_WRAP);
    EXPECT_EQ(createScrollingPictureMaterial("Space.jpg", "_menu"), material);

    const Ogre::MaterialPtr lost = createScrollingPictureMaterial("nebula.png", "");
    EXPECT_EQ(unitAt(lost, 0, 0, 0)->getTextureName(), "notFound.jpg");
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(PictureMaterials, AnimatedAndScrollingPicturesAreDrawnOnOverlays)
{
    LibraryEntry blink(game.pictureLibrary, "hudBlink.png", 2.0f, 1.0f); // white, then orange
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* overlay = overlays.create("PictureTest");
    const auto addPanel = [&](const std::string& name, const Ogre::MaterialPtr& material, float left) {
        auto* panel = static_cast<Ogre::OverlayContainer*>(overlays.createOverlayElement("Panel", name));
        panel->setMetricsMode(Ogre::GMM_RELATIVE);
        panel->setDimensions(0.5f, 0.5f);
        panel->setPosition(left, 0.0f);
        panel->setMaterial(material);
        overlay->add2D(panel);
        return panel;
    };
    Ogre::OverlayContainer* animated = addPanel("PictureTest/Blink", createAnimatedPictureMaterial("hudBlink.png", ""), 0.0f);
    const Ogre::MaterialPtr scrolling = createScrollingPictureMaterial("crateTop.png", "_scroll");
    setPictureScrollSpeed(scrolling, Ogre::Vector2(0.25f, 0.0f));
    Ogre::OverlayContainer* scrolled = addPanel("PictureTest/Scroll", scrolling, 0.5f);
    overlay->show();

    scene->renderFrame();
    scene->keepFrame("pictures");
    EXPECT_COLOUR(scene->colourOnScreen(0.25f, 0.25f), rgb(0xffffff));   // the first frame
    EXPECT_COLOUR(scene->colourOnScreen(0.65625f, 0.25f), rgb(0x2a8c8c)); // teal, left of the lid's cross
    // Past half a run the second frame shows, and the lid's cross has moved
    // across the point.
    scene->setClock(0.75f);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourOnScreen(0.25f, 0.25f), rgb(0xff8000));
    EXPECT_COLOUR(scene->colourOnScreen(0.65625f, 0.25f), rgb(0xe8e0c0));

    overlays.destroyOverlayElement(animated);
    overlays.destroyOverlayElement(scrolled);
    overlays.destroy(overlay);
}

TEST_F(PictureMaterials, AnOverlayPictureRestartsItsAnimationNow)
{
    LibraryEntry blink(game.pictureLibrary, "hudBlink.png", 2.0f, 1.0f);
    ASSERT_TRUE(loadMeshResource("plane1U.mesh"));
    Ogre::SubEntity* renderable = scene->placeMesh("plane1U.mesh", Ogre::Vector3::ZERO)->getSubEntity(0);
    scene->setClock(3.0f);
    setElapsedTimeParameter(*renderable, "Space.jpg");
    EXPECT_FALSE(renderable->hasCustomParameter(2));
    setElapsedTimeParameter(*renderable, "hudBlink.png");
    EXPECT_EQ(renderable->getCustomParameter(2), Ogre::Vector4(-3.0f, -3.0f, -3.0f, -3.0f));
}

} // namespace
