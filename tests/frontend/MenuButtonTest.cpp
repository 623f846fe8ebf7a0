// Menu entries on real overlays without fonts (every text measures 0 wide):
// the widgets and sizes by entry type, Z orders, colours of the label and the
// arrows, and the entry's own slide and focus pulse.
#include "frontend/menuButton.h"

#include "core/Game.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

namespace {

class MenuButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        Game::getSingletonPtr()->startMenuFontSize = 24;
    }
    static void build(menuButton& entry, std::uint32_t type, const std::string& text)
    {
        entry.type = type;
        entry.text = text;
        entry.build(nullptr);
    }
    static void expectColour(const Ogre::ColourValue& actual, const Ogre::ColourValue& expected)
    {
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "channel " << i;
    }
};

TEST_F(MenuButtonTest, TypesGiveTheirTextsSizesAndZOrders)
{
    struct Case {
        std::uint32_t type;
        std::string text;
        bool isActive;
        int widgets;
        unsigned charHeight;
    };
    const Case cases[] = {
        {menuChoice, "FULLSCREEN", true, 1, 14},     {menuBackScreen, "BACK", true, 1, 24},
        {menuStartWebPage, "SITE", true, 1, 24},     {menuKeyCode, "UP", true, 2, 14},
        {menuLeftRightChoice, "MODE", true, 4, 14},  {menuSpinnerChoice, "VOLUME", true, 4, 14},
        {menuSpinnerChoice, "START", true, 4, 24},   {menuSpinnerChoice, "VOLUME", false, 4, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " of type " + std::to_string(c.type));
        menuButton entry;
        entry.isActive = c.isActive;
        build(entry, c.type, c.text);
        const int widgets = 1 + !!entry.valueText + !!entry.leftArrowText + !!entry.rightArrowText;
        EXPECT_EQ(widgets, c.widgets);
        EXPECT_EQ(entry.labelText->charHeight, c.charHeight);
        EXPECT_EQ(entry.labelText->horizontalAlignment, c.widgets > 1 ? menuButton::alignLeft : entry.align);
        EXPECT_FALSE(entry.labelText->overlay->isVisible());
        entry.setZOrder(1);
        for (const auto* part : {&entry.labelText, &entry.valueText, &entry.leftArrowText, &entry.rightArrowText})
            EXPECT_EQ(*part ? (*part)->overlay->getZOrder() : 641, 641);
    }
}

TEST_F(MenuButtonTest, DrawingDimsInactiveEntriesAndTheArrowsAtTheEndsOfTheChoices)
{
    const Ogre::ColourValue given(1.0f, 0.5f, 0.2f, 0.5f);
    const Ogre::ColourValue shown(0.5f, 0.25f, 0.1f, 0.5f); // darkened by its alpha
    const Ogre::ColourValue dim = shown * 0.7f;
    struct Case {
        bool isActive;
        int choiceCount;
        int choiceIndex;
        Ogre::ColourValue label, left, right;
    };
    const Ogre::ColourValue inactive(0.245f, 0.1225f, 0.049f, 0.35f);
    const Case cases[] = {
        {true, 3, 0, shown, dim, shown},   {true, 3, 1, shown, shown, shown},
        {true, 3, 2, shown, shown, dim},   {true, 1, 0, shown, dim, dim},
        {true, 0, 0, shown, dim, shown},   {false, 3, 1, inactive, inactive, inactive},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.choiceCount) + " choices at " + std::to_string(c.choiceIndex));
        menuButton entry;
        entry.isActive = c.isActive;
        build(entry, menuSpinnerChoice, "VOLUME");
        entry.choices.assign(static_cast<std::size_t>(c.choiceCount), "x");
        entry.choiceIndex = c.choiceIndex;
        entry.scroll = Ogre::Vector2(0.1f, 0.2f);
        Ogre::ColourValue colour = given;
        entry.applyTransform(Ogre::Vector2(0.3f, 0.4f), 1.5f, colour);
        expectColour(entry.labelText->textArea->getColour(), c.label);
        expectColour(entry.leftArrowText->textArea->getColour(), c.left);
        expectColour(entry.rightArrowText->textArea->getColour(), c.right);
        EXPECT_FLOAT_EQ(entry.valueText->overlay->getScrollX(), 0.4f);
        EXPECT_FLOAT_EQ(entry.valueText->overlay->getScrollY(), -0.2f);
        EXPECT_FLOAT_EQ(entry.labelText->overlay->getScaleX(), 1.5f);
    }
}

TEST_F(MenuButtonTest, UpdateEasesTheFocusPulseAndTheSlide)
{
    struct Case {
        const char* name;
        float focusDuration, slideDuration;
        double slideDelay, dt;
        float scale, along; // along: share of the slide done
    };
    // smoothstep(0.5) = 0.5, smoothstep(0.25) = 0.15625
    const Case cases[] = {
        {"half way", 0.1f, 0.2f, 0.0, 0.05, 1.25f, 0.15625f},
        {"no focus time", 0.0f, 0.2f, 0.0, 0.05, 1.5f, 0.15625f},
        {"delayed slide", 0.1f, 0.2f, 0.2, 0.05, 1.25f, 0.0f},
        {"no slide time", 0.1f, 0.0f, 0.0, 0.05, 1.25f, 1.0f},
        {"past the end", 0.1f, 0.2f, 0.0, 0.5, 1.5f, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        menuButton entry;
        build(entry, menuChoice, "FULLSCREEN");
        entry.focusDuration = c.focusDuration;
        entry.focusTime = 0.1;
        entry.scaleTo = 1.5f;
        entry.slideDuration = c.slideDuration;
        entry.slideTime = 0.2;
        entry.slideDelay = c.slideDelay;
        entry.slideTo = Ogre::Vector2(0.8f, -0.4f);
        entry.alphaTo = 1.0f;
        entry.update(c.dt);
        constexpr float near = 1e-6f;
        EXPECT_NEAR(entry.scale, c.scale, near);
        EXPECT_NEAR(entry.alpha, c.along, near);
        EXPECT_NEAR(entry.labelText->overlay->getScrollX(), 0.8f * c.along, near);
        EXPECT_NEAR(entry.labelText->overlay->getScrollY(), 0.4f * c.along, near);
        EXPECT_NEAR(entry.labelText->overlay->getScaleY(), c.scale, near);
    }
}

} // namespace
