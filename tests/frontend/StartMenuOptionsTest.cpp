// The start menu's option entries against the Game's settings (values read
// from config.ini out of range included), the resolution choices read from
// video modes, and binding keys and pad buttons on the control screens.
#include "frontend/StartMenuState.h"

#include "core/GameTestSupport.h"
#include "core/materials/MaterialLookup.h"
#include "data/StartMenuReader.h"
#include "frontend/controlBindings.h"
#include "frontend/videoModeChoices.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include "app/RenderSettings.h"

#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

menuEntryDefinition optionEntry(const std::string& name, std::int32_t type, std::int32_t maxValue = 100)
{
    return menuEntryDefinition{name, name, type, name, maxValue, 1, {}};
}

// The sample's option screens; the controller screen lists the first
// `fireButtons` fire buttons.
menuScreenMap optionLayout(int fireButtons)
{
    menuScreenMap screens;
    const auto add = [&screens](const std::string& name, std::vector<menuEntryDefinition> entries) {
        screens[name] = menuScreenDefinition{name, "", std::move(entries)};
    };
    add("GFXMENU", {optionEntry("RESOLUTION", menuLeftRightChoice), optionEntry("FULLSCREEN", menuLeftRightChoice),
                    optionEntry("SHADOWS", menuLeftRightChoice), optionEntry("ANTIALIASING", menuLeftRightChoice)});
    add("SOUNDMENU", {optionEntry("SOUNDONOFF", menuLeftRightChoice), optionEntry("SOUNDMASTERVOLUME", menuSpinnerChoice),
                      optionEntry("SOUNDMUSICVOLUME", menuSpinnerChoice), optionEntry("SOUNDSFXVOLUME", menuSpinnerChoice)});
    add("CONTROLSCHOICE", {optionEntry("KEYBOARD", menuDeactivated), optionEntry("CONTROLLER", menuDeactivated)});
    std::vector<menuEntryDefinition> pad;
    const char* const fireNames[] = {"BUTTON1OK", "BUTTON2OK", "BUTTON3", "BUTTON4",
                                     "BUTTON5",   "BUTTON6",   "BUTTON7", "BUTTON8"};
    for (int i = 0; i < std::min(fireButtons, 8); ++i)
        pad.push_back(optionEntry(fireNames[i], menuKeyCode));
    for (const char* name : {"BUTTONSTART", "BUTTONSELECT"})
        pad.push_back(optionEntry(name, menuKeyCode));
    pad.push_back(optionEntry("BUTTONDEADZONE", menuSpinnerChoice, 16000));
    pad.push_back(optionEntry("CTRLDEFAULT", menuChoice));
    add("CONTROLSMENU", pad);
    std::vector<menuEntryDefinition> keys;
    for (const char* name : keyBindingNames)
        keys.push_back(optionEntry(name, menuKeyCode));
    keys.push_back(optionEntry("CTRLKBDEFAULT", menuChoice));
    add("CONTROLSKEYBOARDMENU", keys);
    return screens;
}

class StartMenuOptions : public ::testing::Test {
protected:
    StartMenuOptions()
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        if (!findMaterial("defaultPicture"))
            madeMaterial = Ogre::MaterialManager::getSingleton().create("defaultPicture", Ogre::RGN_DEFAULT);
        menu.game = &game;
    }
    ~StartMenuOptions() override
    {
        menu.destroyScreens();
        FSAA = 0;
        gametest::cleanGame();
        if (madeMaterial)
            Ogre::MaterialManager::getSingleton().remove(madeMaterial);
    }

    void open(int fireButtons)
    {
        game.menuButtonsNumber = fireButtons;
        game.menuScreens = optionLayout(fireButtons);
        menu.buildScreens(true);
        menu.refreshOptionTexts();
        menu.updateSelection();
    }

    std::string valueText(const std::string& screen, std::size_t index)
    {
        return menu.findScreen(screen)->entries.at(index)->valueText->text;
    }

    Game& game = gametest::cleanGame();
    startMenuState menu;
    Ogre::MaterialPtr madeMaterial;
};

TEST_F(StartMenuOptions, OptionValuesFollowTheGameSettingsWithinWhatTheEntriesCanShow)
{
    struct Case {
        std::function<void(Game&)> set;
        const char* screen;
        const char* fonctionName;
        std::int32_t expected;
    };
    const Case cases[] = {
        {[](Game& g) { g.fullscreen = 7; }, "GFXMENU", "FULLSCREEN", 2},
        {[](Game& g) { g.fullscreen = -3; }, "GFXMENU", "FULLSCREEN", 0},
        {[](Game&) { FSAA = 4; }, "GFXMENU", "ANTIALIASING", 1},
        {[](Game& g) { g.shadowTextureRes = 1024; }, "GFXMENU", "SHADOWS", 0},
        {[](Game& g) { g.shadowTextureRes = 2048; }, "GFXMENU", "SHADOWS", 1},
        {[](Game& g) { g.isSoundOn = false; }, "SOUNDMENU", "SOUNDONOFF", 0},
        {[](Game& g) { g.masterVolume = 35; }, "SOUNDMENU", "SOUNDMASTERVOLUME", 35},
        {[](Game& g) { g.musicVolume = 500; }, "SOUNDMENU", "SOUNDMUSICVOLUME", 100},
        {[](Game& g) { g.sfxVolume = -5; }, "SOUNDMENU", "SOUNDSFXVOLUME", 0},
        {[](Game& g) { g.deadzone = 99999; }, "CONTROLSMENU", "BUTTONDEADZONE", 16000},
        {[](Game& g) { g.upKey = 200; }, "CONTROLSKEYBOARDMENU", "BUTTONUP", 200},
    };
    for (const Case& test : cases) {
        open(8);
        test.set(game);
        menu.refreshOptionTexts();
        EXPECT_EQ(menu.getOptionValue(test.screen, test.fonctionName), test.expected) << test.fonctionName;
        gametest::cleanGame();
    }

    // Without a render system there are no video modes: whatever the list
    // held is replaced, never added to; without a controller its screen is off.
    open(8);
    menuButton& resolution = *menu.findButton("GFXMENU", "RESOLUTION");
    resolution.choices = {"1920 x 1080 "};
    resolution.choiceIndex = 3;
    menu.refreshOptionTexts();
    EXPECT_TRUE(resolution.choices.empty());
    EXPECT_EQ(resolution.choiceIndex, 3);
    EXPECT_FALSE(menu.findButton("CONTROLSCHOICE", "CONTROLLER")->isActive);
    EXPECT_EQ(valueText("CONTROLSKEYBOARDMENU", 2), "W");
}

TEST(VideoModeChoices, WideModesOfMoreThan16BitsAreOfferedAndTheFullscreenOneSelected)
{
    struct Case {
        std::vector<std::string> modes;
        bool isWindowed;
        std::vector<std::string> texts;
        int selected; // -1: none
    };
    const std::vector<std::string> formatted = {"640 x 480 @ 32-bit colour", "1280 x 720 @ 16-bit colour",
                                                "1920 x 1080 @ 32-bit colour"};
    const std::vector<std::string> plain = {" 800 x  600", "1024 x  768", "1920 x 1080"};
    const Case cases[] = {
        {formatted, false, {"1920 x 1080 "}, 0},
        {plain, false, {"1024 x  768", "1920 x 1080"}, 1},
        {plain, true, {"1024 x  768", "1920 x 1080"}, -1},
        {{"1920 by 1080", "x"}, false, {}, -1},
    };
    for (const Case& test : cases) {
        const videoModeChoices choices = collectVideoModeChoices(test.modes, test.isWindowed, 1920, 1080);
        EXPECT_EQ(choices.texts, test.texts);
        EXPECT_EQ(choices.selected.value_or(-1), test.selected);
    }
}

TEST_F(StartMenuOptions, BindingKeepsKeysAndButtonsUniqueAndNamesThem)
{
    // A row presses a key (keyCode, text) on the keyboard screen or a pad
    // button on the controller screen with `fireButtons` fire buttons.
    struct Case {
        int fireButtons;
        const char* screen;
        std::uint32_t selected;
        int keyCode; // 0: a pad button
        unsigned text;
        std::uint8_t button;
        std::vector<std::pair<std::string, int>> bindings;
        std::size_t shownIndex;
        const char* shown;
    };
    const char* const keys = "CONTROLSKEYBOARDMENU";
    const char* const pad = "CONTROLSMENU";
    const Case cases[] = {
        // "X" is the second button's key: the first takes it, the second the first's old key.
        {8, keys, 6, OIS::KC_X, 'x', 0, {{"BUTTON1OK", OIS::KC_X}, {"BUTTON2OK", OIS::KC_Z}}, 6, "X"},
        {8, keys, 0, OIS::KC_LSHIFT, 0, 0, {{"BUTTONLEFT", OIS::KC_LSHIFT}}, 0, "Left Shift"},
        {8, keys, 6, OIS::KC_F1, 0, 0, {{"BUTTON1OK", OIS::KC_Z}}, 6, "Z"},
        // The defaults entry lies past the bindable entries.
        {8, keys, 14, OIS::KC_X, 'x', 0, {{"BUTTON2OK", OIS::KC_X}}, 7, "X"},
        {8, pad, 0, 0, 0, 1, {{"BUTTON1OK", 1}, {"BUTTON2OK", 0}}, 0, "1"},
        {8, pad, 0, 0, 0, leftTriggerButton, {{"BUTTON1OK", 100}, {"BUTTON7", 0}}, 0, "LT"},
        {8, pad, 1, 0, 0, rightTriggerButton, {{"BUTTON2OK", 101}, {"BUTTON8", 1}}, 1, "RT"},
        {8, pad, 0, 0, 0, leftShoulderButton, {{"BUTTON1OK", 9}, {"BUTTON5", 0}}, 5, "R1"},
        {8, pad, 0, 0, 0, 12, {{"BUTTON1OK", 0}}, 0, "0"},
        {8, pad, 8, 0, 0, rightShoulderButton, {{"BUTTONSTART", 6}}, 8, "6"},
        {8, pad, 8, 0, 0, 4, {{"BUTTONSTART", 4}, {"BUTTONSELECT", 6}}, 9, "6"},
        // Four fire buttons: start, select and dead zone follow them.
        {4, pad, 4, 0, 0, 2, {{"BUTTONSTART", 2}, {"BUTTON3", 6}}, 2, "6"},
        {4, pad, 5, 0, 0, 100, {{"BUTTONSELECT", 100}, {"BUTTON7", 4}}, 5, "100"},
        {4, pad, 6, 0, 0, 3, {{"BUTTON4", 3}}, 6, "20"},
        // A fire-button count larger than the screen binds by position still.
        {40, pad, 0, 0, 0, 5, {{"BUTTON1OK", 5}}, 0, "5"},
    };
    for (const Case& test : cases) {
        open(test.fireButtons);
        menu.currentScreen = test.screen;
        menu.selectedIndex = test.selected;
        if (test.keyCode != 0)
            menu.keyPressed(OIS::KeyEvent(nullptr, static_cast<OIS::KeyCode>(test.keyCode), test.text));
        else
            menu.controllerButtonDown(test.button);
        const bool isKeyboard = test.keyCode != 0;
        for (const auto& [name, value] : test.bindings)
            EXPECT_EQ(*(isKeyboard ? findKeyBinding(game, name) : findPadBinding(game, name)), value)
                << test.selected << " " << name;
        EXPECT_EQ(valueText(test.screen, test.shownIndex), test.shown) << test.selected;
        gametest::cleanGame();
    }
}

// The controller screen as a game's layout file gives it: with fewer than ten
// entries the reader adds buttons 5 to 8 after the fourth, with ten it adds
// nothing, and the screen then shows start, select and the dead zone right
// after the game's fire buttons and binds by the entries' own names.
TEST_F(StartMenuOptions, AControllerScreenOfNineEntriesGainsFourButtonsAndOneOfTenKeepsItsOwn)
{
    const auto button = [](const std::string& name, const char* type, int maxValue = 0) {
        return "<BUTTON name=\"" + name + "\" text=\"" + name + "\" type=\"" + type + "\" fonctionName=\"" + name +
               "\" maxValue=\"" + std::to_string(maxValue) + "\" step=\"1\"/>";
    };
    const auto layout = [&button](std::vector<std::string> fireButtons, const std::string& last) {
        std::string text = "<MENU><MENUSCREEN name=\"CONTROLSMENU\" screenSound=\"\">";
        for (const std::string& name : fireButtons)
            text += button(name, "KEYCODE");
        return text + button("BUTTONSTART", "KEYCODE") + button("BUTTONSELECT", "KEYCODE") +
               button("BUTTONDEADZONE", "SPINNERCHOICE", 16000) + button("CTRLDEFAULT", "CHOICE") + last +
               "</MENUSCREEN></MENU>";
    };
    const struct {
        const char* name;
        std::string file;
        int fireButtons;
        // Each entry's name and shown value, before and after pressing the
        // left trigger on the entry `bound`.
        const char* shown;
        std::uint32_t bound;
        const char* afterBinding;
    } cases[] = {
        {"nine", layout({"BUTTON1OK", "BUTTON2OK", "BUTTON3", "BUTTON4"}, button("BACK", "CHOICE")), 8,
         "BUTTON1OK=LT BUTTON2OK=RT BUTTON3=L1 BUTTON4=R1 BUTTON5=2 BUTTON6=3 BUTTON7=4 BUTTON8=5 BUTTONSTART=6 "
         "BUTTONSELECT=7 BUTTONDEADZONE=8000 CTRLDEFAULT BACK",
         4,
         "BUTTON1OK=2 BUTTON2OK=RT BUTTON3=L1 BUTTON4=R1 BUTTON5=LT BUTTON6=3 BUTTON7=4 BUTTON8=5 BUTTONSTART=6 "
         "BUTTONSELECT=7 BUTTONDEADZONE=8000 CTRLDEFAULT BACK"},
        {"ten", layout({"BUTTON1OK", "BUTTON2OK", "BUTTON3", "BUTTON4", "BUTTON5", "BUTTON6"}, ""), 6,
         "BUTTON1OK=LT BUTTON2OK=RT BUTTON3=L1 BUTTON4=R1 BUTTON5=2 BUTTON6=3 BUTTONSTART=6 BUTTONSELECT=7 "
         "BUTTONDEADZONE=8000 CTRLDEFAULT",
         6,
         "BUTTON1OK=6 BUTTON2OK=RT BUTTON3=L1 BUTTON4=R1 BUTTON5=2 BUTTON6=3 BUTTONSTART=100 BUTTONSELECT=7 "
         "BUTTONDEADZONE=8000 CTRLDEFAULT"},
    };
    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    // Listed once; each case writes its own layout into it.
    folder.write("gamebox.startMenu", "");
    ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
    for (const auto& c : cases) {
        game.gameFolder = "Trial";
        game.menuButtonsNumber = c.fireButtons;
        game.shootButtonNumber = {100, 101, 9, 10, 2, 3, 4, 5};
        game.start = 6;
        game.select = 7;
        game.deadzone = 8000;
        folder.write("gamebox.startMenu", c.file);
        readStartMenu(game, "gamebox.startMenu");
        menu.buildScreens(true);
        menu.refreshOptionTexts();
        ASSERT_NE(menu.findScreen("CONTROLSMENU"), nullptr) << c.name;
        const auto shown = [this] {
            std::string text;
            for (const auto& entry : menu.findScreen("CONTROLSMENU")->entries)
                text += (text.empty() ? "" : " ") + entry->text + (entry->valueText ? "=" + entry->valueText->text : "");
            return text;
        };
        EXPECT_EQ(shown(), c.shown) << c.name;
        menu.currentScreen = "CONTROLSMENU";
        menu.selectedIndex = c.bound;
        menu.controllerButtonDown(leftTriggerButton);
        EXPECT_EQ(shown(), c.afterBinding) << c.name;
        menu.updateSelection(); // the layout names start and select too: LT, not 100
        EXPECT_EQ(shown().find("=100"), std::string::npos) << c.name;
        menu.destroyScreens();
        gametest::cleanGame();
    }
}

} // namespace
