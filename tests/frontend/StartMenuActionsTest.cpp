// What validating the start menu's entries does to the Game's settings and to
// config.ini, and how long the start of a game waits for its sound and fade.
#include "frontend/StartMenuState.h"

#include "core/PlayFlowSupport.h"
#include "core/materials/MaterialLookup.h"

#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

menuScreenMap actionsLayout()
{
    menuScreenMap screens;
    const auto add = [&screens](const std::string& name, std::vector<std::pair<const char*, int>> entries) {
        for (const auto& [fonctionName, type] : entries)
            screens[name].entries.push_back({fonctionName, fonctionName, type, fonctionName, 100, 5, {}});
    };
    add("SPLASHSCREEN", {{"STARTMENU", menuDeactivated}});
    add("STARTMENU",
        {{"STARTGAME", menuChoice}, {"EXITGAME", menuChoice}, {"", menuStartWebPage}, {"", menuBackScreen}});
    add("GFXMENU", {{"FULLSCREEN", menuLeftRightChoice}, {"RESOLUTION", menuLeftRightChoice},
                    {"SHADOWS", menuLeftRightChoice}, {"APPLYGFX", menuChoice}});
    add("SOUNDMENU", {{"SOUNDONOFF", menuLeftRightChoice}, {"SOUNDMASTERVOLUME", menuSpinnerChoice},
                      {"SOUNDMUSICVOLUME", menuSpinnerChoice}, {"SOUNDDEFAULT", menuChoice}});
    add("CONTROLSMENU", {{"BUTTONDEADZONE", menuSpinnerChoice}, {"CTRLDEFAULT", menuChoice}});
    add("CONTROLSKEYBOARDMENU", {{"CTRLKBDEFAULT", menuChoice}});
    return screens;
}

class StartMenuActions : public ::testing::Test {
protected:
    StartMenuActions()
    {
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        if (!findMaterial("defaultPicture"))
            madeMaterial = Ogre::MaterialManager::getSingleton().create("defaultPicture", Ogre::RGN_DEFAULT);
        menu.game = &game;
        game.menuScreens = actionsLayout();
        menu.buildScreens(true);
    }
    ~StartMenuActions() override
    {
        menu.destroyScreens();
        if (madeMaterial)
            Ogre::MaterialManager::getSingleton().remove(madeMaterial);
    }

    // Gives the screen's entry of that position the value (unless -1) and validates it.
    void validate(const std::string& screen, std::uint32_t index, std::int32_t value)
    {
        menu.currentScreen = screen;
        menu.selectedIndex = index;
        if (value >= 0)
            menu.findScreen(screen)->entries[index]->choiceIndex = value;
        menu.validate();
    }

    // The settings the menu changes, and where it is.
    std::string state() const
    {
        const Game& g = game;
        return "on " + std::to_string(g.isSoundOn) + " master " + std::to_string(g.masterVolume) + " music "
               + std::to_string(g.musicVolume) + " sfx " + std::to_string(g.sfxVolume) + " dead "
               + std::to_string(g.deadzone) + " pad " + std::to_string(g.shootButtonNumber[0]) + " start "
               + std::to_string(g.start) + " up " + std::to_string(g.upKey) + " mode " + std::to_string(g.fullscreen)
               + " " + std::to_string(g.fullScreenWidth) + "x" + std::to_string(g.fullScreenHeigth) + " portrait "
               + std::to_string(g.isPortrait) + " shadow " + std::to_string(g.shadowTextureRes) + " game mode "
               + std::to_string(g.gameMode) + " " + menu.currentScreen;
    }

    Game& game = *Game::getSingletonPtr();
    playflowtest::FadeResources fades;
    startMenuState menu;
    Ogre::MaterialPtr madeMaterial;
};

TEST_F(StartMenuActions, EachActionSetsTheGameAndExitSavesIt)
{
    const std::string oldConfig = "[sound]\n";
    gametest::IniFolder ini(&oldConfig);
    game.preferenceFolder = ini.folder.path();
    game.upKey = game.start = game.shootButtonNumber[0] = 99;
    game.isPortrait = true;
    // In order, on one menu: the entry validated with its value (-1: none),
    // a part of the state then, and a text config.ini holds at the end.
    struct Case {
        const char* screen;
        std::uint32_t index;
        std::int32_t value;
        const char* state;
        const char* saved;
    };
    const Case cases[] = {
        {"SOUNDMENU", 0, 0, "on 0 master 80 music 60 sfx 40 ", ""},
        {"SOUNDMENU", 1, 35, "on 0 master 35 ", ""},
        {"SOUNDMENU", 3, -1, "on 1 master 80 music 60 sfx 60 ", ""},
        {"SOUNDMENU", 2, 15, "on 1 master 80 music 15 ", "musicVolume  = 15 \n"},
        {"SOUNDMENU", 0, 0, "on 0 master 80 music 15 ", "IsSoundMuted  = true \n"},
        {"CONTROLSMENU", 0, 30, "dead 30 pad 99 start 99 up 99 ", ""},
        {"CONTROLSMENU", 1, -1, "dead 20 pad 0 start 6 up 99 ", "deadzone = 20 \n"},
        {"CONTROLSKEYBOARDMENU", 0, -1, "dead 20 pad 0 start 6 up 17 ", " upKey = 17 \n"},
        // Choices act only when applied; a window keeps the full-screen size.
        {"GFXMENU", 1, 1, "mode 0 1920x1080 portrait 1 shadow 512 ", ""},
        {"GFXMENU", 2, 0, "mode 0 1920x1080 portrait 1 shadow 512 ", ""},
        {"GFXMENU", 3, -1, "mode 0 1920x1080 portrait 0 shadow 1024 ", ""},
        {"GFXMENU", 0, 2, "mode 0 1920x1080 portrait 0 shadow 1024 ", ""},
        {"GFXMENU", 2, 1, "mode 0 1920x1080 portrait 0 shadow 1024 ", ""},
        {"GFXMENU", 1, 1, "mode 0 1920x1080 portrait 0 shadow 1024 ", ""},
        {"GFXMENU", 3, -1, "mode 2 1280x720 portrait 0 shadow 2048 ", "fullscreen = 2 \nshadowTextureRes = 2048 \n"},
        {"GFXMENU", 1, 0, "mode 2 1280x720 ", ""},
        {"GFXMENU", 3, -1, "mode 2 800x600 ", "fullScreenWidth = 800 \nfullScreenHeigth = 600 \n"},
        // An empty address opens nothing; back leaves for the splash screen.
        {"STARTMENU", 2, -1, "game mode 1 STARTMENU", ""},
        {"STARTMENU", 3, -1, "game mode 1 SPLASHSCREEN", ""},
        {"STARTMENU", 1, -1, "game mode 16 STARTMENU", "FSAA = 0 \n"},
    };
    for (const Case& test : cases) {
        // The render system's video modes, which the option refresh would list.
        menu.findButton("GFXMENU", "RESOLUTION")->choices = {" 800 x  600", "1280 x 720 @ 32-bit colour"};
        validate(test.screen, test.index, test.value);
        EXPECT_NE(state().find(test.state), std::string::npos) << state() << "\n" << test.state;
    }
    const std::string saved = ini.folder.read("config.ini");
    for (const Case& test : cases)
        EXPECT_NE(saved.find(test.saved), std::string::npos) << test.saved;
}

TEST_F(StartMenuActions, TheGameStartsWhenItsSoundAndFadeHaveEnded)
{
    // The start sound's length, the "START" pulse, the fade and when play may
    // begin (the pulse counts down as the clock counts up); no level, no start.
    struct Case {
        std::uint32_t soundMilliseconds;
        bool hasLevels;
        float pulse;
        double fade;
        double readyAt;
    };
    const Case cases[] = {
        {10000, true, 9.6f, 8.0, 8.0}, {500, true, 0.48f, 0.9, 0.9}, {30000, true, 20.0f, 8.0, 10.0},
        {10000, false, 0.0f, 0.0, 0.0},
    };
    constexpr double frame = 1.0 / 32.0;
    menu.findScreen("STARTMENU")->entries[0]->text = menu.startText;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.soundMilliseconds);
        game.shutdown();
        for (const char* name : {"first", "second"})
            if (test.hasLevels)
                game.levels.push_back(new gameFileEntry{name, "", "", false, true, true, false});
        menu.startPulseTime = 0.0f;
        menu.startSoundLength = test.soundMilliseconds;
        const int fadeBefore = game.fadeState;
        validate("STARTMENU", 0, -1);
        EXPECT_EQ(menu.isStartingGame, test.hasLevels);
        EXPECT_FLOAT_EQ(menu.startPulseTime, test.pulse);
        EXPECT_EQ(game.fadeState, test.hasLevels ? 2 : fadeBefore);
        if (!test.hasLevels)
            continue;
        EXPECT_EQ(menu.firstLevel, "first");
        EXPECT_NEAR(game.fadeDuration, test.fade, 1e-6);
        // The frame's own steps, short of entering play.
        for (double time = 0.0; time < test.readyAt + 0.1; time += frame) {
            if (std::abs(time - test.readyAt) > 0.05) {
                EXPECT_EQ(menu.isReadyToPlay(), time > test.readyAt) << time;
            }
            game.updateFade(frame);
            menu.clock += frame;
            menu.updateEntries(frame);
        }
        EXPECT_TRUE(menu.isReadyToPlay());
        menu.isStartingGame = false;
    }
}

} // namespace
