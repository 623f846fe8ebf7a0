// What validating the start menu's entries does to the Game's settings and to
// config.ini, and how long the start of a game waits for its sound and fade.
#include "frontend/StartMenuState.h"

#include "core/GameMode.h"
#include "core/PlayFlowSupport.h"
#include "core/materials/MaterialLookup.h"
#include "support/OgreTestRoot.h"

#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double frameStep = 1.0 / 32.0;

menuEntryDefinition entry(const std::string& name, std::int32_t type, const std::string& fonctionName)
{
    return menuEntryDefinition{name, name, type, fonctionName, 100, 5, {}};
}

menuScreenMap actionsLayout()
{
    menuScreenMap screens;
    const auto add = [&screens](const std::string& name, std::vector<menuEntryDefinition> entries) {
        screens[name] = menuScreenDefinition{name, "", std::move(entries)};
    };
    add("SPLASHSCREEN", {entry("PRESS START", menuDeactivated, "STARTMENU")});
    add("STARTMENU", {entry("START", menuChoice, "STARTGAME"), entry("EXIT", menuChoice, "EXITGAME"),
                      entry("WEB", menuStartWebPage, ""), entry("BACK", menuBackScreen, "")});
    add("GFXMENU", {entry("FULLSCREEN", menuLeftRightChoice, "FULLSCREEN"),
                    entry("RESOLUTION", menuLeftRightChoice, "RESOLUTION"),
                    entry("SHADOWS", menuLeftRightChoice, "SHADOWS"), entry("APPLY", menuChoice, "APPLYGFX")});
    add("SOUNDMENU", {entry("SOUNDONOFF", menuLeftRightChoice, "SOUNDONOFF"),
                      entry("MASTER", menuSpinnerChoice, "SOUNDMASTERVOLUME"),
                      entry("MUSIC", menuSpinnerChoice, "SOUNDMUSICVOLUME"),
                      entry("SFX", menuSpinnerChoice, "SOUNDSFXVOLUME"), entry("DEFAULT", menuChoice, "SOUNDDEFAULT")});
    add("CONTROLSMENU", {entry("DEADZONE", menuSpinnerChoice, "BUTTONDEADZONE"),
                         entry("PADDEFAULT", menuChoice, "CTRLDEFAULT")});
    add("CONTROLSKEYBOARDMENU", {entry("KEYDEFAULT", menuChoice, "CTRLKBDEFAULT")});
    return screens;
}

class StartMenuActions : public ::testing::Test {
protected:
    StartMenuActions()
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        if (!findMaterial("defaultPicture"))
            madeMaterial = Ogre::MaterialManager::getSingleton().create("defaultPicture", Ogre::RGN_DEFAULT);
        menu.game = &game;
        game.menuScreens = actionsLayout();
        menu.buildScreens(true);
        menu.updateSelection();
        menu.currentScreen = "STARTMENU";
    }
    ~StartMenuActions() override
    {
        menu.destroyScreens();
        if (madeMaterial)
            Ogre::MaterialManager::getSingleton().remove(madeMaterial);
    }

    // Selects the entry, gives it the value when one is given, and validates it.
    void validate(const std::string& screen, const std::string& text, std::int32_t value)
    {
        menu.currentScreen = screen;
        const auto& entries = menu.findScreen(screen)->entries;
        for (std::uint32_t i = 0; i < entries.size(); ++i)
            if (entries[i]->text == text)
                menu.selectedIndex = i;
        if (value >= 0)
            menu.findButton(screen, text)->choiceIndex = value;
        menu.validate();
    }

    void addLevel(const std::string& name)
    {
        auto* level = new gameFileEntry;
        level->name = name;
        game.levels.push_back(level);
    }

    Game& game = *Game::getSingletonPtr();
    playflowtest::FadeResources fades;
    startMenuState menu;
    Ogre::MaterialPtr madeMaterial;
};

std::string soundState(const Game& g)
{
    return "on " + std::to_string(g.isSoundOn) + " master " + std::to_string(g.masterVolume) + " music "
           + std::to_string(g.musicVolume) + " sfx " + std::to_string(g.sfxVolume);
}

std::string controlState(const Game& g)
{
    return "dead " + std::to_string(g.deadzone) + " pad " + std::to_string(g.shootButtonNumber[0]) + " start "
           + std::to_string(g.start) + " up " + std::to_string(g.upKey) + " key " + std::to_string(g.shootButton[7]);
}

std::string videoState(const Game& g)
{
    return "mode " + std::to_string(g.fullscreen) + " " + std::to_string(g.fullScreenWidth) + "x"
           + std::to_string(g.fullScreenHeigth) + " portrait " + std::to_string(g.isPortrait) + " shadow "
           + std::to_string(g.shadowTextureRes);
}

TEST_F(StartMenuActions, EachActionSetsTheGameAndExitSavesIt)
{
    const std::string oldConfig = "[sound]\n";
    gametest::IniFolder ini(&oldConfig);
    game.preferenceFolder = ini.folder.path();
    game.upKey = game.shootButton[7] = game.start = game.shootButtonNumber[0] = 99;
    game.isPortrait = true;
    menu.findButton("GFXMENU", "RESOLUTION")->choices = {" 800 x  600", "1280 x 720 @ 32-bit colour"};
    // In order, on one menu: the screen, the entry, the value given to it
    // (-1: none), what the Game holds then, and a text config.ini holds at the end.
    struct Case {
        const char* screen;
        const char* text;
        std::int32_t value;
        std::function<std::string(const Game&)> state;
        const char* expected;
        const char* saved;
    };
    const Case cases[] = {
        {"SOUNDMENU", "SOUNDONOFF", 0, soundState, "on 0 master 80 music 60 sfx 40", ""},
        {"SOUNDMENU", "MASTER", 35, soundState, "on 0 master 35 music 60 sfx 40", ""},
        {"SOUNDMENU", "DEFAULT", -1, soundState, "on 1 master 80 music 60 sfx 60", ""},
        {"SOUNDMENU", "MUSIC", 15, soundState, "on 1 master 80 music 15 sfx 60", "musicVolume  = 15 \n"},
        {"SOUNDMENU", "SOUNDONOFF", 0, soundState, "on 0 master 80 music 15 sfx 60", "IsSoundMuted  = true \n"},
        {"CONTROLSMENU", "DEADZONE", 30, controlState, "dead 30 pad 99 start 99 up 99 key 99", ""},
        {"CONTROLSMENU", "PADDEFAULT", -1, controlState, "dead 20 pad 0 start 6 up 99 key 99", "deadzone = 20 \n"},
        {"CONTROLSKEYBOARDMENU", "KEYDEFAULT", -1, controlState, "dead 20 pad 0 start 6 up 17 key 51",
         " upKey = 17 \n"},
        // Choices act only when applied; a window keeps the full-screen size.
        {"GFXMENU", "FULLSCREEN", 0, videoState, "mode 0 1920x1080 portrait 1 shadow 512", ""},
        {"GFXMENU", "RESOLUTION", 1, videoState, "mode 0 1920x1080 portrait 1 shadow 512", ""},
        {"GFXMENU", "APPLY", -1, videoState, "mode 0 1920x1080 portrait 0 shadow 1024", ""},
        {"GFXMENU", "FULLSCREEN", 2, videoState, "mode 0 1920x1080 portrait 0 shadow 1024", ""},
        {"GFXMENU", "SHADOWS", 1, videoState, "mode 0 1920x1080 portrait 0 shadow 1024", ""},
        {"GFXMENU", "APPLY", -1, videoState, "mode 2 1280x720 portrait 0 shadow 2048", ""},
        {"GFXMENU", "RESOLUTION", 0, videoState, "mode 2 1280x720 portrait 0 shadow 2048",
         "fullscreen = 2 \nshadowTextureRes = 2048 \n"},
        {"GFXMENU", "APPLY", -1, videoState, "mode 2 800x600 portrait 0 shadow 2048",
         "fullScreenWidth = 800 \nfullScreenHeigth = 600 \n"},
        // An empty address opens nothing; back leaves for the splash screen.
        {"STARTMENU", "WEB", -1, soundState, "on 0 master 80 music 15 sfx 60", ""},
        {"STARTMENU", "BACK", -1, [this](const Game&) { return menu.currentScreen; }, "SPLASHSCREEN", ""},
        {"STARTMENU", "EXIT", -1, [](const Game& g) { return std::to_string(g.gameMode); }, "16", "FSAA = 0 \n"},
    };
    for (const Case& test : cases) {
        validate(test.screen, test.text, test.value);
        EXPECT_EQ(test.state(game), test.expected) << test.screen << " " << test.text;
    }
    const std::string saved = ini.folder.read("config.ini");
    for (const Case& test : cases)
        EXPECT_NE(saved.find(test.saved), std::string::npos) << test.saved;
}

TEST_F(StartMenuActions, TheGameStartsWhenItsSoundAndFadeHaveEnded)
{
    // The start sound's length, then the "START" pulse, the fade and the
    // moment play may begin; without levels nothing starts.
    struct Case {
        std::uint32_t soundMilliseconds;
        bool hasLevels;
        float pulse;
        double fade;
        double readyAt;
    };
    const Case cases[] = {
        {10000, true, 9.6f, 8.0, 8.0},
        {500, true, 0.48f, 0.9, 0.9},
        {30000, true, 20.0f, 8.0, 10.0},
        {10000, false, 0.0f, 0.0, 0.0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.soundMilliseconds);
        for (gameFileEntry* level : game.levels)
            delete level;
        game.levels.clear();
        if (test.hasLevels) {
            addLevel("first");
            addLevel("second");
        }
        menu.isStartingGame = false;
        menu.startPulseTime = 0.0f;
        menu.clock = 5.0;
        menu.startSoundLength = test.soundMilliseconds;
        const int fadeBefore = game.fadeState;
        validate("STARTMENU", "START", -1);
        EXPECT_EQ(menu.isStartingGame, test.hasLevels);
        EXPECT_FLOAT_EQ(menu.startPulseTime, test.pulse);
        if (!test.hasLevels) {
            EXPECT_EQ(game.fadeState, fadeBefore);
            continue;
        }
        EXPECT_EQ(menu.firstLevel, "first");
        EXPECT_DOUBLE_EQ(game.fadeDuration, test.fade);
        // The frame's own steps, short of entering play.
        int frame = 0;
        const auto advanceTo = [&](double time) {
            for (; frame * frameStep < time; ++frame) {
                game.updateFade(frameStep);
                menu.clock += frameStep;
                menu.updateEntries(frameStep);
            }
        };
        advanceTo(test.readyAt - 0.1);
        EXPECT_FALSE(menu.isReadyToPlay());
        advanceTo(test.readyAt + 0.1);
        EXPECT_TRUE(menu.isReadyToPlay());
    }
}

} // namespace
