// Menu entries with the sample game's menu font: the parts of a choice sit
// side by side, and the whole entry spans its measured width from where its
// alignment puts it.
#include "support/RenderScene.h"

#include "core/Game.h"
#include "frontend/menuButton.h"

#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(MenuButtonRender, AChoiceSpansItsWidthFromWhereItsAlignmentPutsIt)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    // A scene drops the materials made while it lived, the loaded font's
    // among them, and Ogre cannot load a font again: the menu font is loaded
    // between scenes, as the widget render tests load theirs.
    { const RenderScene first; }
    OverlayWidget font;
    font.fontName = Game::getSingletonPtr()->startMenuFont;
    font.create();
    // Texts are measured against the viewport of the last frame drawn.
    RenderScene scene;
    scene.renderFrame();
    struct Case {
        std::uint32_t align;
        float start; // in widths: where the label begins
    };
    for (const Case c : {Case{menuButton::alignCentre, -0.5f}, Case{menuButton::alignLeft, 0.0f},
                         Case{menuButton::alignRight, -1.0f}}) {
        SCOPED_TRACE(c.align);
        menuButton entry;
        entry.type = menuSpinnerChoice;
        entry.label = "Music volume";
        entry.align = c.align;
        entry.build(nullptr);
        entry.valueText->setText("100");
        entry.choices = {"0", "50", "100"};
        Ogre::ColourValue colour = Ogre::ColourValue::White;
        entry.applyTransform(Ogre::Vector2::ZERO, 1.0f, colour);
        const float width = entry.getWidth();
        const float gap = entry.labelText->charHeight * 0.0005f;
        ASSERT_GT(measureTextWidth(*entry.valueText), measureTextWidth(*entry.rightArrowText));
        EXPECT_FLOAT_EQ(entry.labelText->textArea->getLeft(), c.start * width);
        EXPECT_FLOAT_EQ(entry.leftArrowText->textArea->getLeft(),
                        c.start * width + measureTextWidth(*entry.labelText) + gap);
        EXPECT_NEAR(entry.rightArrowText->textArea->getLeft() + measureTextWidth(*entry.rightArrowText),
                    (c.start + 1.0f) * width, 1e-5f);
    }
}

} // namespace
