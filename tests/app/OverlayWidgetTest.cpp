// Overlay widgets on real Ogre overlays without a render system: elements,
// captions and the typewriter by code point, line measures, Z order, the
// transitions (fade, slide, scale, rotation) and the anchor. Sizes that need
// textures and fonts are covered by the render tests.
#include "app/OverlayWidget.h"

#include "app/CameraProjection.h"
#include "core/materials/MaterialLookup.h"
#include "support/OgreTestRoot.h"
#include "world/WorldTestScene.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreMaterialManager.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// "Hello world" in Japanese: 7 code points of 3 bytes each.
const std::string japanese = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF\xE4\xB8\x96\xE7\x95\x8C";

class OverlayWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        // Shown overlays make their vertex buffers; without a render system in memory.
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        // Fades need the panel's material; the sample game's may be loaded.
        if (!findMaterial("defaultPicture"))
            madeMaterial = Ogre::MaterialManager::getSingleton().create("defaultPicture", Ogre::RGN_DEFAULT);
    }
    void TearDown() override
    {
        if (madeMaterial)
            Ogre::MaterialManager::getSingleton().remove(madeMaterial);
    }

    static std::string caption(const OverlayWidget& widget) { return widget.textArea->getCaption().asUTF8(); }

    Ogre::MaterialPtr madeMaterial;
};

TEST_F(OverlayWidgetTest, CreateMakesAHiddenOverlayWithPanelAndTextAreaThatDestroyRemoves)
{
    OverlayWidget widget;
    widget.text = "SCORE";
    widget.create();
    ASSERT_TRUE(widget.overlay && widget.panel && widget.textArea);
    const std::string name = widget.overlay->getName();
    EXPECT_EQ(widget.panel->getName(), name);
    EXPECT_EQ(widget.textArea->getName(), "t" + name);
    EXPECT_EQ(widget.textArea->getParent(), widget.panel);
    EXPECT_FALSE(widget.overlay->isVisible());
    EXPECT_EQ(widget.overlay->getZOrder(), 300);
    EXPECT_EQ(widget.panel->getMaterialName(), "defaultPicture");
    EXPECT_EQ(caption(widget), "SCORE");
    EXPECT_TRUE(widget.isDarken);

    // Created again: the elements are replaced, not doubled.
    widget.create();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    EXPECT_TRUE(overlays.hasOverlayElement("t" + name));
    widget.destroyOverlays();
    EXPECT_EQ(widget.overlay, nullptr);
    EXPECT_EQ(overlays.getByName(name), nullptr);
    EXPECT_FALSE(overlays.hasOverlayElement(name));
    EXPECT_FALSE(overlays.hasOverlayElement("t" + name));
}

TEST_F(OverlayWidgetTest, TheTypewriterRevealsJapaneseTextOneCodePointPerStep)
{
    OverlayWidget widget;
    widget.text = japanese;
    widget.revealInterval = 0.05f;
    widget.create();
    widget.setupAnimation();
    widget.transitionState = 1;
    EXPECT_EQ(widget.revealedCount, 0);
    for (int step = 1; step <= 10; ++step) {
        widget.update(0.06, Ogre::Vector3::ZERO);
        const int shown = std::min(step, 7);
        ASSERT_EQ(widget.revealedCount, shown);
        EXPECT_EQ(caption(widget), japanese.substr(0, 3 * shown));
        EXPECT_EQ(widget.displayedText, japanese.substr(0, 3 * shown));
    }
    // Without an interval the whole text shows at once.
    widget.revealInterval = 0.0f;
    widget.setupAnimation();
    EXPECT_EQ(widget.revealedCount, 7);
    widget.setText("ab");
    widget.update(0.01, Ogre::Vector3::ZERO);
    EXPECT_EQ(caption(widget), "ab");
    EXPECT_EQ(widget.revealedCount, 2);
}

TEST_F(OverlayWidgetTest, ACutMultiByteSequenceShowsAsAReplacementInsteadOfThrowing)
{
    OverlayWidget widget;
    widget.create();
    EXPECT_NO_THROW(widget.setText("abc\xE3\x81"));
    EXPECT_EQ(caption(widget), "abc\xEF\xBF\xBD");
    EXPECT_EQ(widget.text, "abc\xE3\x81");
}

TEST_F(OverlayWidgetTest, LinesAreMeasuredInCodePoints)
{
    EXPECT_EQ(measureTextLines(japanese.substr(0, 15) + "\n" + japanese.substr(15)), Ogre::Vector2(5.0f, 2.0f));
    EXPECT_EQ(measureTextLines(""), Ogre::Vector2(0.0f, 1.0f));
    EXPECT_EQ(measureTextLines("ab\n\ncdef\n"), Ogre::Vector2(4.0f, 4.0f));
    EXPECT_EQ(longestTextLine(L"ab\ncdef\ngh"), L"cdef");
    EXPECT_EQ(longestTextLine(L"one\ntwo"), L"one");

    OverlayWidget widget;
    widget.text = japanese + "\nab";
    widget.setupAnimation();
    EXPECT_FLOAT_EQ(widget.longestLineLength, 7.0f);
    EXPECT_FLOAT_EQ(widget.lineCount, 2.0f);
    EXPECT_EQ(widget.longestLine.size(), 7u);
}

TEST_F(OverlayWidgetTest, ZOrderWrapsIntoThirtyEightSlotsAbove300)
{
    OverlayWidget widget;
    widget.create();
    widget.setZOrder(38);
    EXPECT_EQ(widget.zOrder, 300u);
    EXPECT_EQ(widget.overlay->getZOrder(), 300);
    widget.setZOrder(37);
    EXPECT_EQ(widget.zOrder, 337u);
    EXPECT_EQ(widget.overlay->getZOrder(), 337);
}

TEST_F(OverlayWidgetTest, FadingScalesTheTextColourByTheSquaredProgress)
{
    OverlayWidget widget;
    widget.colour = Ogre::ColourValue(1.0f, 0.5f, 0.25f, 1.0f);
    widget.create();
    widget.setupAnimation();
    widget.transitionState = 1;
    widget.update(0.25, Ogre::Vector3::ZERO);
    EXPECT_TRUE(widget.overlay->isVisible());
    EXPECT_EQ(widget.textArea->getColour(), Ogre::ColourValue(0.25f, 0.125f, 0.0625f, 0.25f));
    widget.update(0.5, Ogre::Vector3::ZERO);
    EXPECT_EQ(widget.textArea->getColour(), widget.colour);
    EXPECT_DOUBLE_EQ(widget.appearTime, 0.5);
    EXPECT_DOUBLE_EQ(widget.shownTime, 0.75);

    widget.transitionState = 4;
    widget.update(0.25, Ogre::Vector3::ZERO);
    EXPECT_EQ(widget.textArea->getColour(), Ogre::ColourValue(0.25f, 0.125f, 0.0625f, 0.25f));
    widget.update(0.25, Ogre::Vector3::ZERO);
    EXPECT_EQ(widget.textArea->getColour().a, 0.0f);
}

TEST_F(OverlayWidgetTest, WithoutAppearDurationTheWidgetIsInPlaceAndOpaqueAtOnce)
{
    OverlayWidget widget;
    widget.appearDuration = 0.0f;
    widget.isSlideIn = true;
    widget.position = Ogre::Vector2(0.3f, 0.2f);
    widget.create();
    widget.setupAnimation();
    widget.transitionState = 1;
    widget.update(0.0, Ogre::Vector3::ZERO);
    EXPECT_EQ(widget.textArea->getColour().a, 1.0f);
    EXPECT_FLOAT_EQ(widget.overlay->getScrollX(), 0.3f);
    EXPECT_FLOAT_EQ(widget.overlay->getScrollY(), 0.2f);
}

TEST_F(OverlayWidgetTest, DimmingHalvesTheAlphaAndWithDarkeningTheColour)
{
    OverlayWidget widget;
    widget.colour = Ogre::ColourValue(0.8f, 0.6f, 0.4f, 1.0f);
    widget.create();
    widget.setDimmed(true);
    EXPECT_EQ(widget.textArea->getColour(), Ogre::ColourValue(0.4f, 0.3f, 0.2f, 0.5f));
    widget.isDarken = false;
    widget.setDimmed(true);
    EXPECT_EQ(widget.textArea->getColour(), Ogre::ColourValue(0.8f, 0.6f, 0.4f, 0.5f));
    widget.setDimmed(false);
    EXPECT_EQ(widget.textArea->getColour(), widget.colour);
}

TEST_F(OverlayWidgetTest, SlideScaleAndRotationEaseInThenOut)
{
    OverlayWidget widget;
    widget.isText = false;
    widget.position = Ogre::Vector2(0.5f, 0.25f);
    widget.isSlideIn = widget.isScaleIn = widget.isRotateIn = true;
    widget.isSlideOut = widget.isScaleOut = widget.isRotateOut = true;
    widget.slideInDirection = 0;
    widget.slideOutDirection = 2;
    widget.startScale = Ogre::Vector2(50.0f, 200.0f);
    widget.endScale = Ogre::Vector2(0.0f, 0.0f);
    widget.startAngle = 90.0f;
    widget.endAngle = 180.0f;
    widget.create();
    widget.setupAnimation();
    EXPECT_FLOAT_EQ(widget.overlay->getScrollX(), 0.5f);
    EXPECT_EQ(widget.slideStart, Ogre::Vector2(-1.5f, 0.25f));

    widget.transitionState = 1;
    widget.update(0.25, Ogre::Vector3::ZERO);
    const float e = std::sin(0.25f * 3.14159265f);
    EXPECT_NEAR(widget.overlay->getScrollX(), -1.5f + 2.0f * e, 1e-5f);
    EXPECT_NEAR(widget.overlay->getScaleX(), 0.5f + 0.5f * e, 1e-5f);
    EXPECT_NEAR(widget.overlay->getScaleY(), 2.0f - 1.0f * e, 1e-5f);
    EXPECT_NEAR(widget.overlay->getRotate().valueDegrees(), 90.0f * (1.0f - e), 1e-3f);
    widget.update(0.25, Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(widget.overlay->getScrollX(), 0.5f);
    EXPECT_FLOAT_EQ(widget.overlay->getScaleY(), 1.0f);
    EXPECT_NEAR(widget.overlay->getRotate().valueRadians(), 0.0f, 1e-6f);

    widget.transitionState = 4;
    widget.update(0.25, Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(widget.overlay->getScrollX(), 0.5f);
    EXPECT_FLOAT_EQ(widget.overlay->getScrollY(), 0.25f + 2.0f * 0.25f);
    EXPECT_FLOAT_EQ(widget.overlay->getScaleX(), 0.75f);
    EXPECT_NEAR(widget.overlay->getRotate().valueDegrees(), 45.0f, 1e-3f);
}

TEST_F(OverlayWidgetTest, ACopyTakesTheSettingsButNotTheCustomSizes)
{
    OverlayWidget source;
    source.text = japanese;
    source.fontName = "ArialBlk64";
    source.charHeight = 20;
    source.colour = Ogre::ColourValue::Red;
    source.position = Ogre::Vector2(0.1f, 0.2f);
    source.isRotateOut = true;
    source.zOrder = 320;
    source.customPixelWidth = 64.0f;
    source.customViewportWidth = 640.0f;
    source.revealInterval = 0.1f;

    OverlayWidget settingsOnly(source, true);
    EXPECT_EQ(settingsOnly.overlay, nullptr);
    EXPECT_EQ(settingsOnly.text, japanese);
    EXPECT_EQ(settingsOnly.fontName, "ArialBlk64");
    EXPECT_EQ(settingsOnly.charHeight, 20u);
    EXPECT_EQ(settingsOnly.colour, Ogre::ColourValue::Red);
    EXPECT_EQ(settingsOnly.position, Ogre::Vector2(0.1f, 0.2f));
    EXPECT_TRUE(settingsOnly.isRotateOut);
    EXPECT_EQ(settingsOnly.zOrder, 320u);
    EXPECT_FLOAT_EQ(settingsOnly.revealInterval, 0.1f);
    EXPECT_FLOAT_EQ(settingsOnly.customPixelWidth, 0.0f);
    EXPECT_FLOAT_EQ(settingsOnly.customViewportWidth, 0.0f);

    const OverlayWidget made(source);
    ASSERT_NE(made.overlay, nullptr);
    EXPECT_EQ(made.overlay->getZOrder(), 320);
    EXPECT_EQ(made.textArea->getCaption().asUTF8(), japanese);
}

TEST_F(OverlayWidgetTest, AnAnchoredWidgetStaysOverItsPointAndLeavesTheScreenInTheCameraPlane)
{
    WorldTestScene world;
    const Ogre::Vector3 ahead(0.0f, 0.0f, -10.0f);
    const Ogre::Camera* camera = world.addCamera("WidgetAnchor", Ogre::Vector3::ZERO, ahead);
    OverlayWidget widget;
    widget.isAnchored = true;
    widget.anchor = camera;
    widget.create();
    widget.update(0.0, ahead);
    EXPECT_NEAR(widget.panel->getLeft(), -0.5f, 1e-5f);
    EXPECT_NEAR(widget.panel->getTop(), -0.5f, 1e-5f);

    const Ogre::Vector3 upRight(3.0f, 1.0f, -10.0f);
    Ogre::Vector2 screen;
    worldToScreen(screen, upRight, *camera);
    widget.update(0.0, upRight);
    EXPECT_NEAR(widget.panel->getLeft(), screen.x - 1.0f, 1e-5f);
    EXPECT_NEAR(widget.panel->getTop(), screen.y - 1.0f, 1e-5f);

    widget.update(0.0, Ogre::Vector3(5.0f, 0.0f, 0.0f));
    EXPECT_TRUE(std::isfinite(widget.panel->getLeft()));
    EXPECT_LT(widget.panel->getLeft(), -5.0f);

    // A picture is centred on the point.
    OverlayWidget picture;
    picture.isText = false;
    picture.isAnchored = true;
    picture.anchor = camera;
    picture.create();
    picture.width = 0.2f;
    picture.height = 0.1f;
    picture.update(0.0, ahead);
    EXPECT_NEAR(picture.panel->getLeft(), -0.1f, 1e-5f);
    EXPECT_NEAR(picture.panel->getTop(), -0.05f, 1e-5f);
}

} // namespace
