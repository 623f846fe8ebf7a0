// The start menu driven by keys through the Game's keyboard, on real overlays
// without a window: where a sequence of presses leaves the selection and the
// screen, how the screens' entries slide in and hide, the stepping of held
// values, and layouts with screens or choices missing.
#include "frontend/StartMenuState.h"

#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr double frameStep = 0.0625;
// Long enough for every lock, delay and slide of the test settings to end.
constexpr int settleFrames = 40;

menuEntryDefinition entry(const std::string& name, std::int32_t type, const std::string& fonctionName = "",
                          std::int32_t maxValue = 100, std::int32_t step = 1)
{
    return menuEntryDefinition{name, name, type, fonctionName, maxValue, step, {}};
}

menuScreenMap sampleLayout()
{
    menuScreenMap screens;
    const auto add = [&screens](const std::string& name, std::vector<menuEntryDefinition> entries) {
        screens[name] = menuScreenDefinition{name, "", std::move(entries)};
    };
    add("SPLASHSCREEN", {entry("PRESS START", menuDeactivated, "STARTMENU")});
    add("STARTMENU", {entry("START", menuChoice, "STARTGAME"), entry("OPTIONS", menuDeactivated, "OPTIONS"),
                      entry("NOWHERE", menuDeactivated, "NOWHERE")});
    add("OPTIONS", {entry("FULLSCREEN", menuLeftRightChoice, "FULLSCREEN"),
                    entry("VOLUME", menuSpinnerChoice, "SOUNDMASTERVOLUME", 12, 5),
                    entry("PAD", menuDeactivated, "CONTROLSMENU"), entry("BACK", menuBackScreen)});
    add("CONTROLSMENU", {entry("BUTTON1OK", menuKeyCode, "BUTTON1OK")});
    return screens;
}

class StartMenuNavigation : public ::testing::Test {
protected:
    StartMenuNavigation()
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        if (!findMaterial("defaultPicture"))
            madeMaterial = Ogre::MaterialManager::getSingleton().create("defaultPicture", Ogre::RGN_DEFAULT);
        keyboard._initialize();
        game.keyboard = &keyboard;
        game.shootButton[1] = OIS::KC_X;
        game.startMenutransitionScreenTime = 0.4f;
        game.startMenuTransitionwaitTime = 0.1f;
        game.startMenuFontInterval = 1.0f;
        game.startMenuTransitionOffset = Ogre::Vector2(1.0f, 0.0f);
        menu.game = &game;
    }
    ~StartMenuNavigation() override
    {
        menu.destroyScreens();
        game.keyboard = nullptr;
        if (madeMaterial)
            Ogre::MaterialManager::getSingleton().remove(madeMaterial);
    }

    void open(const menuScreenMap& layout)
    {
        game.menuScreens = layout;
        menu.buildScreens(true);
        menu.updateSelection();
        menu.showFirstScreen();
        frames(settleFrames);
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            menu.update(frameStep);
    }

    // One press: the key held for `held` frames, then every input let go.
    void press(SDL_Scancode key, int held = 1)
    {
        keyboard.queueKey(sdlEvents::key(SDL_KEYDOWN, key).key);
        keyboard.capture();
        const OIS::KeyEvent event(&keyboard, keyboard.isKeyDown(OIS::KC_ESCAPE) ? OIS::KC_ESCAPE : OIS::KC_A, 0);
        menu.keyPressed(event);
        frames(held);
        keyboard.queueKey(sdlEvents::key(SDL_KEYUP, key).key);
        keyboard.capture();
        menu.keyReleased(event);
    }

    menuButton& shown(const std::string& screen, std::size_t index)
    {
        return *menu.findScreen(screen)->entries.at(index);
    }

    Game& game = *Game::getSingletonPtr();
    platform::SdlKeyboard keyboard;
    startMenuState menu;
    Ogre::MaterialPtr madeMaterial;
};

const std::map<char, SDL_Scancode> keys = {{'R', SDL_SCANCODE_RETURN}, {'U', SDL_SCANCODE_UP},
                                           {'D', SDL_SCANCODE_DOWN},   {'E', SDL_SCANCODE_ESCAPE},
                                           {'B', SDL_SCANCODE_X},      {'S', SDL_SCANCODE_SPACE}};

TEST_F(StartMenuNavigation, KeySequencesLeaveTheSelectionOnTheExpectedEntryAndScreen)
{
    // Keys: R return, U up, D down, E escape, B the back button, S any other
    // key. On the splash screen any key leaves; up and down move nothing. An
    // entry that opens a missing screen does nothing.
    struct Case {
        const char* sequence;
        const char* screen;
        std::uint32_t selected;
    };
    const Case cases[] = {
        {"", "SPLASHSCREEN", 0},        {"E", "SPLASHSCREEN", 0},    {"U", "STARTMENU", 0},
        {"S", "STARTMENU", 0},
        {"RDD", "STARTMENU", 2},        {"RU", "STARTMENU", 2},      {"RDDD", "STARTMENU", 0},
        {"RE", "SPLASHSCREEN", 0},      {"RDR", "OPTIONS", 0},       {"RDRE", "STARTMENU", 1},
        {"RDRB", "STARTMENU", 1},       {"RDRUR", "STARTMENU", 1},   {"RDRDDR", "CONTROLSMENU", 0},
        {"RDRDDRB", "CONTROLSMENU", 0}, {"RDRDDRE", "OPTIONS", 2},   {"RDDR", "STARTMENU", 2},
        {"RDDRE", "SPLASHSCREEN", 0},
    };
    for (const float screenTime : {0.4f, 0.0f})
        for (const Case& test : cases) {
            game.startMenutransitionScreenTime = screenTime;
            open(sampleLayout());
            for (const char* key = test.sequence; *key; ++key) {
                press(keys.at(*key));
                frames(settleFrames);
            }
            SCOPED_TRACE(std::string(test.sequence) + " with slides of " + std::to_string(screenTime) + " s");
            EXPECT_EQ(menu.currentScreen, test.screen);
            EXPECT_EQ(menu.selectedIndex, test.selected);
            // The screen shown rests in place; every other one is hidden.
            for (auto& [name, screen] : menu.screens)
                for (auto& button : screen.entries) {
                    const bool isShown = name == test.screen;
                    EXPECT_EQ(button->labelText->overlay->isVisible(), isShown) << name << " " << button->text;
                    if (isShown) {
                        EXPECT_NEAR(button->position.x, button->basePosition.x, 1e-5f) << button->text;
                    }
                }
        }
}

TEST_F(StartMenuNavigation, HeldValuesStepSlowlyThenFastAndStopAtTheirEnds)
{
    // Frames of 1/16 s: a held spinner steps on frames 1, 6, 11, 16, then
    // every frame once held beyond 1 s.
    struct Case {
        std::size_t index;
        SDL_Scancode key;
        int heldFrames;
        std::int32_t start;
        std::int32_t expected;
    };
    const Case cases[] = {
        {1, SDL_SCANCODE_RIGHT, 1, 0, 5},   {1, SDL_SCANCODE_RIGHT, 6, 0, 10}, {1, SDL_SCANCODE_RIGHT, 60, 0, 12},
        {1, SDL_SCANCODE_LEFT, 1, 12, 7},   {1, SDL_SCANCODE_LEFT, 60, 12, 0}, {0, SDL_SCANCODE_RIGHT, 60, 0, 2},
        {0, SDL_SCANCODE_LEFT, 60, 2, 0},
    };
    for (const Case& test : cases) {
        open(sampleLayout());
        press(SDL_SCANCODE_RETURN);
        frames(settleFrames);
        menu.selectedIndex = 1;
        press(SDL_SCANCODE_RETURN);
        frames(settleFrames);
        menu.selectedIndex = static_cast<std::uint32_t>(test.index);
        shown("OPTIONS", test.index).choiceIndex = test.start;
        press(test.key, test.heldFrames);
        EXPECT_EQ(shown("OPTIONS", test.index).choiceIndex, test.expected) << test.index << " " << test.heldFrames;
    }
    // The spinner stepped every frame after a second of holding.
    open(sampleLayout());
    press(SDL_SCANCODE_RETURN);
    frames(settleFrames);
    menu.selectedIndex = 1;
    press(SDL_SCANCODE_RETURN);
    frames(settleFrames);
    menu.selectedIndex = 1;
    shown("OPTIONS", 1).step = 1;
    press(SDL_SCANCODE_RIGHT, 24);
    EXPECT_EQ(shown("OPTIONS", 1).choiceIndex, 8);
}

TEST_F(StartMenuNavigation, LayoutsWithScreensOrChoicesMissingStayUsable)
{
    // No screen at all: nothing to show, nothing breaks.
    open({});
    press(SDL_SCANCODE_RETURN);
    press(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(menu.currentScreen, "SPLASHSCREEN");

    // No splash screen: the menu starts on its main screen and stays there.
    menuScreenMap layout = sampleLayout();
    layout.erase("SPLASHSCREEN");
    open(layout);
    EXPECT_EQ(menu.currentScreen, "STARTMENU");
    press(SDL_SCANCODE_DOWN);
    frames(settleFrames);
    press(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(menu.currentScreen, "STARTMENU");
    EXPECT_EQ(menu.selectedIndex, 1u);

    // A choice without choices steps like a spinner up to its largest value.
    layout = sampleLayout();
    layout["STARTMENU"].entries = {entry("EMPTY", menuLeftRightChoice, "UNKNOWN", 2)};
    open(layout);
    press(SDL_SCANCODE_RETURN);
    frames(settleFrames);
    EXPECT_TRUE(shown("STARTMENU", 0).choices.empty());
    press(SDL_SCANCODE_RIGHT, 60);
    EXPECT_EQ(shown("STARTMENU", 0).choiceIndex, 2);
}

} // namespace
