// Overlay widgets with real textures and fonts: a picture's size from one
// frame of its texture, the letterbox of a wide layout on a 4:3 view, the
// text's font, height and width, and a frame showing pictures and texts faded
// in, half faded, turning and scaling in, and partly typed.
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "app/OverlayWidget.h"
#include "app/TextUtils.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgrePass.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const card = "widgetCard.png"; // 1024 x 512: a green and a blue half
const Ogre::ColourValue cardGreen = rgb(0x30c050);
const Ogre::ColourValue titleYellow(1.0f, 1.0f, 0.3f);
const std::string japanese = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF";

class OverlayWidgetRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        loadFontOnce();
    }
    void TearDown() override
    {
        game.screenRatio = 1;
        game.isShrinkOnNarrowScreens = true;
    }

    // A scene drops the materials made while it lived, and Ogre cannot load a
    // font again once unloaded: the font is loaded (through a widget, as the
    // game does) between scenes, and stays for the rest of the run.
    void loadFontOnce()
    {
        static bool loaded = false;
        if (loaded)
            return;
        scene.reset();
        OverlayWidget().create();
        loaded = true;
        scene = std::make_unique<RenderScene>();
    }

    // A widget showing the card (its first frame when the pictures library
    // cuts it), created.
    static std::unique_ptr<OverlayWidget> cardWidget()
    {
        createAnimatedPictureMaterial(card, "");
        auto widget = std::make_unique<OverlayWidget>();
        widget->isText = false;
        widget->pictureName = card;
        widget->create();
        return widget;
    }
    static std::unique_ptr<OverlayWidget> textWidget(const std::string& text)
    {
        auto widget = std::make_unique<OverlayWidget>();
        widget->text = text;
        widget->create();
        return widget;
    }
    // Shows the widget and runs its appearance for dt seconds.
    static void appear(OverlayWidget& widget, double dt)
    {
        widget.setupAnimation();
        widget.transitionState = 1;
        widget.update(dt, Ogre::Vector3::ZERO);
    }
    // The rightmost screen x, left of x 0.65, of a pixel of the text's own
    // colour between the heights (a glyph's inside, not its soft edge); -1
    // when none.
    float rightmostOf(const Ogre::ColourValue& text, float top, float bottom) const
    {
        const float step = 1.0f / RenderScene::frameSize;
        for (float x = 0.65f; x > 0.0f; x -= step)
            for (float y = top; y < bottom; y += step)
                if (colourDistance(scene->colourOnScreen(x, y), text) <= colourTolerance)
                    return x;
        return -1.0f;
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

TEST_F(OverlayWidgetRender, APictureIsSizedFromOneFrameOfItsTexture)
{
    {
        LibraryEntry frames(game.pictureLibrary, card, 2.0f, 1.0f);
        const auto widget = cardWidget();
        EXPECT_EQ(widget->getPictureAspect(), Ogre::Vector2(1.0f, 1.0f));
        EXPECT_FLOAT_EQ(widget->pixelWidth, 512.0f);
        EXPECT_FLOAT_EQ(widget->pixelHeight, 512.0f);
        widget->isCustomPixel = true;
        widget->customPixelWidth = 100.0f;
        widget->customPixelHeight = 40.0f;
        EXPECT_EQ(widget->getPictureAspect(), Ogre::Vector2(1.0f, 1.0f));
        EXPECT_FLOAT_EQ(widget->pixelWidth, 100.0f);
        EXPECT_FLOAT_EQ(widget->pixelHeight, 40.0f);
    }
    {
        LibraryEntry broken(game.pictureLibrary, card, 0.0f, 1.0f);
        EXPECT_EQ(cardWidget()->getPictureAspect(), Ogre::Vector2(2.0f, 1.0f));
        EXPECT_TRUE(log.containsPrefix("[ERROR] picture widgetCard.png"));
    }
    const auto whole = cardWidget();
    EXPECT_EQ(whole->panel->getMaterialName(), card);
    EXPECT_EQ(whole->getPictureAspect(), Ogre::Vector2(2.0f, 1.0f));
    EXPECT_FLOAT_EQ(whole->pixelWidth, 1024.0f);

    OverlayWidget missing;
    missing.isText = false;
    missing.pictureName = "noSuchPicture.png";
    missing.create();
    EXPECT_EQ(missing.panel->getMaterialName(), "defaultPicture");
    EXPECT_EQ(missing.getPictureAspect(), Ogre::Vector2(1.0f, 1.0f)); // empty.tga, 8 x 8
}

TEST_F(OverlayWidgetRender, AWideLayoutLetterboxesPicturesOnAFourByThreeView)
{
    // The widgets lay out in the window's second viewport when there is one:
    // here 256 x 192 pixels.
    scene->camera->getViewport()->getTarget()->addViewport(scene->camera, 1, 0.0f, 0.0f, 1.0f, 0.75f);
    LibraryEntry frames(game.pictureLibrary, card, 2.0f, 1.0f);
    const auto widget = cardWidget();
    EXPECT_FLOAT_EQ(widget->referenceAspect, 1.7777778f);
    EXPECT_FLOAT_EQ(widget->factorX, 1.0f);
    EXPECT_FLOAT_EQ(widget->factorY, 0.75f);
    EXPECT_FLOAT_EQ(widget->height, 0.5f * 0.75f);
    EXPECT_FLOAT_EQ(widget->width, 0.5f * 0.75f * 0.75f);
    EXPECT_FLOAT_EQ(widget->panel->getTop(), (1.0f - widget->height) / 2.0f - 0.5f);

    game.isShrinkOnNarrowScreens = false;
    widget->fitToViewport();
    EXPECT_FLOAT_EQ(widget->height, 0.5f);

    // Sized by pixels: 512 pixels are the screen's height; standing on its point.
    widget->isPixelSize = true;
    widget->verticalAlignment = 1;
    widget->fitToViewport();
    EXPECT_FLOAT_EQ(widget->height, 0.5f);
    EXPECT_FLOAT_EQ(widget->width, 0.5f / 1.7777778f);
    EXPECT_FLOAT_EQ(widget->panel->getLeft(), -widget->width / 2.0f);
    EXPECT_FLOAT_EQ(widget->panel->getTop(), -0.5f);

    // A window frame without its custom size keeps the last layout.
    widget->isWindowFrame = true;
    widget->scaleY = 2.0f;
    EXPECT_NO_THROW(widget->fitToViewport());
    EXPECT_FLOAT_EQ(widget->height, 0.5f);
}

TEST_F(OverlayWidgetRender, TextTakesItsFontHeightAndPremultipliedBlending)
{
    OverlayWidget widget;
    widget.fontName = "NoSuchFont";
    widget.text = "two\nlines";
    widget.create();
    widget.setupAnimation();
    EXPECT_EQ(widget.textArea->getFont()->getName(), "verdana");
    EXPECT_EQ(widget.textArea->getParameter("char_height"), "0.08");
    EXPECT_FLOAT_EQ(widget.textArea->getTop(), -2.0f * 32.0f * 0.00125f);
    const Ogre::Pass* pass = passAt(widget.textArea->getMaterial(), 0, 0);
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->getSourceBlendFactor(), Ogre::SBF_ONE);
    EXPECT_EQ(pass->getDestBlendFactor(), Ogre::SBF_ONE_MINUS_SOURCE_ALPHA);

    // A tall 3:4 layout on this square view: the text grows with the view.
    game.screenRatio = 3;
    widget.updateCharHeight();
    EXPECT_EQ(widget.textArea->getParameter("char_height"), "0.106667");
}

TEST_F(OverlayWidgetRender, TextWidthAddsTheGlyphsOfTheLongestLine)
{
    const auto two = textWidget("AA");
    const auto four = textWidget("AAAA\nA");
    const auto foreign = textWidget("AA" + japanese);
    const auto spaced = textWidget("A A");
    const auto zero = textWidget("A0A");
    // The overlay manager learns the viewport's size when it draws.
    scene->renderFrame();
    EXPECT_GT(measureTextWidth(*two), 0.0f);
    EXPECT_FLOAT_EQ(measureTextWidth(*four), 2.0f * measureTextWidth(*two));
    // Ogre's text area leaves a space as wide as a "0".
    EXPECT_FLOAT_EQ(measureTextWidth(*spaced), measureTextWidth(*zero));
    // The font has no Japanese glyphs: they count nothing.
    EXPECT_FLOAT_EQ(measureTextWidth(*foreign), measureTextWidth(*two));
}

// The width is remembered between frames: a changed text is measured anew.
TEST_F(OverlayWidgetRender, ALongForeignTextIsMeasuredAgainOnlyWhenItChanges)
{
    std::string kana;
    for (int i = 0; i < 700; ++i) // about 10 KB
        kana += japanese;
    const auto foreign = textWidget("AA" + kana);
    const auto two = textWidget("AA");
    scene->renderFrame();
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_FLOAT_EQ(measureTextWidth(*foreign), measureTextWidth(*two));
    foreign->setText("AAAA" + kana);
    foreign->setupAnimation();
    EXPECT_FLOAT_EQ(measureTextWidth(*foreign), 2.0f * measureTextWidth(*two));
    foreign->charHeight *= 2;
    EXPECT_FLOAT_EQ(measureTextWidth(*foreign), 4.0f * measureTextWidth(*two));
}

TEST_F(OverlayWidgetRender, PicturesAndTextsFadeInAndTypeOut)
{
    LibraryEntry frames(game.pictureLibrary, card, 2.0f, 1.0f);
    // The view is square and the layout 16:9: positions shrink vertically by 0.5625.
    const auto shown = cardWidget();
    shown->position = Ogre::Vector2(-0.5f, 0.5f);
    appear(*shown, 1.0);
    const auto halfFaded = cardWidget();
    halfFaded->position = Ogre::Vector2(0.5f, 0.5f);
    halfFaded->appearDuration = 1.0f;
    appear(*halfFaded, 0.5);
    const auto title = textWidget("FADED IN");
    title->colour = titleYellow;
    title->position = Ogre::Vector2(0.0f, -0.2f);
    appear(*title, 1.0);
    const auto typed = textWidget("ABCDEFGHIJ");
    typed->horizontalAlignment = 1;
    typed->position = Ogre::Vector2(-0.8f, -0.8f);
    typed->revealInterval = 0.05f;
    typed->appearDuration = 0.2f;
    appear(*typed, 0.06);
    for (int step = 1; step < 4; ++step)
        typed->update(0.06, Ogre::Vector3::ZERO);
    ASSERT_EQ(typed->displayedText, "ABCD");
    // A third of the way in, the ease is 0.5: turned to 45 degrees, at 75 %.
    const auto spun = cardWidget();
    spun->position = Ogre::Vector2(0.7f, -0.8f);
    spun->isFadeIn = false;
    spun->isRotateIn = spun->isScaleIn = true;
    spun->startAngle = 90.0f;
    spun->startScale = Ogre::Vector2(50.0f, 50.0f);
    spun->appearDuration = 1.0f;
    appear(*spun, 1.0 / 3.0);

    scene->renderFrame();
    scene->keepFrame("overlay-widgets");
    EXPECT_FLOAT_EQ(shown->factorY, 0.5625f);
    // Picture centres: x 0.5 + scroll / 2, y 0.5 - scroll / 2.
    EXPECT_COLOUR(scene->colourOnScreen(0.25f, 0.36f), cardGreen);
    EXPECT_COLOUR(scene->colourOnScreen(0.75f, 0.36f), cardGreen * 0.25f); // alpha 0.5 squared
    EXPECT_COLOUR(scene->colourOnScreen(0.5f, 0.36f), Ogre::ColourValue::Black);
    EXPECT_GT(rightmostOf(titleYellow, 0.53f, 0.59f), 0.55f); // the title, centred
    const float partly = rightmostOf(Ogre::ColourValue::White, 0.70f, 0.76f) - 0.1f; // typed from x 0.1
    // The spun picture: a diamond of half-diagonal 0.28125 * 0.75 / sqrt(2) = 0.149
    // around (0.85, 0.725).
    EXPECT_COLOUR(scene->colourOnScreen(0.85f, 0.725f), cardGreen);
    EXPECT_COLOUR(scene->colourOnScreen(0.98f, 0.725f), cardGreen);
    EXPECT_COLOUR(scene->colourOnScreen(0.94f, 0.635f), Ogre::ColourValue::Black);

    // Shown again by hand, a picture is drawn at 80 %; the typewriter ends.
    shown->setVisible(true);
    for (int step = 0; step < 10; ++step)
        typed->update(0.06, Ogre::Vector3::ZERO);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourOnScreen(0.25f, 0.36f), cardGreen * 0.8f);
    const float whole = rightmostOf(Ogre::ColourValue::White, 0.70f, 0.76f) - 0.1f;
    EXPECT_GT(partly, 0.25f * whole);
    EXPECT_LT(partly, 0.55f * whole);
}

TEST_F(OverlayWidgetRender, AScrollingPictureFadesOutToo)
{
    createScrollingPictureMaterial("crateTop.png", "_widget");
    OverlayWidget widget;
    widget.isText = false;
    widget.pictureName = "crateTop.png_widget";
    widget.create();
    appear(widget, 1.0);
    scene->renderFrame();
    const Ogre::ColourValue teal = rgb(0x2a8c8c); // the lid's, left of its cross
    EXPECT_COLOUR(scene->colourOnScreen(0.45f, 0.5f), teal);
    widget.transitionState = 4;
    widget.update(0.25, Ogre::Vector3::ZERO); // half of 0.5 s: (1 - 0.5)^2 left
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourOnScreen(0.45f, 0.5f), teal * 0.25f);
}

TEST_F(OverlayWidgetRender, JapaneseTextTypesOutWithoutGlyphsOrErrors)
{
    const auto widget = textWidget(japanese + "\nAB");
    widget->revealInterval = 0.01f;
    appear(*widget, 0.02);
    for (int step = 0; step < 8; ++step) {
        widget->update(0.02, Ogre::Vector3::ZERO);
        EXPECT_NO_THROW(scene->renderFrame());
    }
    EXPECT_EQ(widget->displayedText, japanese + "\nAB");
}

} // namespace
