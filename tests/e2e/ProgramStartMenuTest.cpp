// Plays the real program's front end as a player would: key events go to
// its window through the X server, and what it shows is read back from the
// window. The splash pictures show and a held key shortens them; the start
// menu's option screens change the sound, the window mode and a key binding,
// which config.ini keeps; a restart keeps the binding, the defaults restore
// it; "Start" fades into the first level and "Quit" ends the program.
#include "support/ArchiveEdit.h"
#include "support/ProgramPlayer.h"

#include <regex>

namespace {

// The same, with a key held down most of the time: a hold shortens the
// picture on screen (the pointer entering the window lets go of it, so the
// key goes down again and again).
double splashSecondsHoldingAKey(Player& player)
{
    while (player.run.logText().find("start menu will init start") == std::string::npos
           && secondsSince(player.mainLoopTime) < 60) {
        player.press(XK_space);
        sleepFor(std::chrono::milliseconds(400));
        player.release(XK_space);
        sleepFor(std::chrono::milliseconds(100));
    }
    return player.splashSeconds();
}

// A held key sets a picture's clock to 4.1 s, which ends at once a picture
// whose time and half-second margin are shorter: the sample's two are made
// 3.5 s each, 8.8 s in all in menu time, so that the hold shortens the
// splash far beyond any difference in how busy the machine is between the
// walk's two runs.
constexpr double longSplashMenuSeconds = 8.8;
bool lengthenSplashPictures(ProgramRun& run)
{
    return archiveedit::rewriteEntry(run.gameDir() + "data/game.tzn", "Skyward.game", [](const std::string& text) {
        const std::regex durations(R"re(splashScreen([12])Duration="[^"]*")re");
        return std::regex_replace(text, durations, R"(splashScreen$1Duration="3.5")");
    });
}

class ProgramStartMenu : public ::testing::TestWithParam<const char*> {};

// On each renderer: the splash picture, the start menu and an options screen
// show, each different from the one before.
TEST_P(ProgramStartMenu, SplashMenuAndOptionsShowOnTheRenderer)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run, GetParam());
    Player player(run);
    ASSERT_TRUE(player.start());
    // The first picture fades in: it is taken once it shows, before the menu.
    WindowImage splash;
    eventually([&] {
        splash = player.capture();
        return hasContent(splash) || run.logText().find("start menu will init start") != std::string::npos;
    });
    keepShot(splash, std::string("splash-") + GetParam());
    EXPECT_TRUE(hasContent(splash));
    player.setPaceFromSplash(player.splashSeconds());
    ASSERT_TRUE(player.waitFor("start menu initialized")) << run.logText();
    player.wait(afterScreenChange);
    player.choose(); // "PRESS START"
    const WindowImage menu = player.shot(std::string("menu-") + GetParam());
    EXPECT_TRUE(hasContent(menu));
    player.tap(XK_Down);
    player.choose();
    const WindowImage options = player.shot(std::string("options-") + GetParam());
    EXPECT_TRUE(hasContent(options));
    EXPECT_GT(differingShare(splash, menu), 0.05);
    EXPECT_GT(differingShare(menu, options), 0.01);
    EXPECT_EQ(player.close(), 0) << run.logText();
    EXPECT_EQ(run.logText().find("[ERROR] "), std::string::npos) << run.logText();
}

INSTANTIATE_TEST_SUITE_P(Renderers, ProgramStartMenu, ::testing::Values("D3D9", "D3D11"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// A quick burst of presses moves the selection once a press; the sound and
// key options change at once and are kept; the start of the
// game fades into the first level; a restart keeps the key binding, whose
// key then confirms; the defaults restore it, the window mode changes, and
// "Quit" ends the program.
TEST(ProgramStartMenuWalk, OptionsAreKeptAcrossARestartAndTheGameStartsAndQuits)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run, "D3D9");
    ASSERT_TRUE(lengthenSplashPictures(run));

    Player first(run);
    ASSERT_TRUE(first.start());
    const double fullSplash = first.splashSeconds();
    first.setPaceFromSplash(fullSplash, longSplashMenuSeconds);
    ASSERT_TRUE(first.waitFor("start menu initialized")) << run.logText();
    first.wait(afterScreenChange);
    first.choose();           // "PRESS START"
    // Every press of a burst counts: twelve entries down a menu of five is
    // High scores, eleven up from there is Options.
    first.burst(XK_Down, 12);
    first.choose();
    ASSERT_TRUE(first.waitFor("start highscores", 10)) << run.logText();
    first.back();
    first.burst(XK_Up, 11);   // Options
    first.choose();
    first.tap(XK_Down);       // Sound
    first.choose();
    first.tap(XK_Down, 2);    // Music volume, 60
    first.tap(XK_Left, 2);    // 50
    first.shot("walk-sound");
    first.back();
    first.tap(XK_Down);       // Controls
    first.choose();
    first.choose();           // Keyboard
    first.tap(XK_Down, 6);    // Button 1, the first fire button
    first.tap(XK_q);
    first.shot("walk-keyboard");
    first.back();
    first.back();
    first.back();
    first.tap(XK_Up);         // Start
    first.tap(XK_Return);
    ASSERT_TRUE(first.waitFor("playstate starting!")) << run.logText();
    ASSERT_TRUE(first.waitFor("Read the level")) << run.logText();
    EXPECT_TRUE(waitForLevelShown(first, 60));
    EXPECT_TRUE(hasContent(first.shot("walk-level")));
    ASSERT_EQ(first.closeFromPlay(), 0) << run.logText();

    const std::string kept = run.folder().read(settingsPath);
    EXPECT_EQ(storedSetting(kept, "musicVolume"), 50) << kept;
    EXPECT_EQ(storedSetting(kept, "shootButton0"), 16) << kept; // the Q key
    // The Return that opened the keyboard screen bound nothing.
    EXPECT_EQ(storedSetting(kept, "leftKey"), 30) << kept;

    // Again, holding a key down through the splash pictures: they end sooner.
    Player second(run);
    second.pace = first.pace;
    ASSERT_TRUE(second.start());
    EXPECT_LT(splashSecondsHoldingAKey(second), 0.75 * fullSplash);
    ASSERT_TRUE(second.waitFor("start menu initialized")) << run.logText();
    second.wait(afterScreenChange);
    second.choose(XK_q);      // "PRESS START": the bound key confirms
    second.tap(XK_Down);      // Options
    second.choose(XK_q);
    second.tap(XK_Down, 2);   // Controls
    second.choose(XK_q);
    second.choose(XK_q);      // Keyboard
    second.tap(XK_Up);        // Defaults, the last entry
    second.choose(XK_q);
    second.back();
    second.back();
    second.tap(XK_Up, 2);     // Video
    second.choose();
    second.tap(XK_Right);     // Windowed (Fullscreen)
    second.tap(XK_Up, 2);     // Apply, past Back
    second.shot("walk-video");
    second.choose();
    // The window is asked for the whole screen at once. (Without a window
    // manager to honour the request the X window keeps its size.)
    EXPECT_TRUE(second.waitFor("CHANGING RESOLUTION: Windowed Fullscreen")) << run.logText();
    EXPECT_TRUE(second.waitFor("New Window Size - w: 1920 - h: 1080")) << run.logText();
    second.back();
    second.back();
    second.tap(XK_Up, 2);     // Quit, past Start
    second.choose();
    second.tap(XK_Down);      // Yes, under the question
    second.choose();
    EXPECT_EQ(second.waitForEnd(), 0) << run.logText();

    const std::string restored = run.folder().read(settingsPath);
    EXPECT_EQ(storedSetting(restored, "shootButton0"), 44) << restored; // the Z key again
    EXPECT_EQ(storedSetting(restored, "musicVolume"), 50) << restored;
    EXPECT_EQ(storedSetting(restored, "fullscreen"), 1) << restored;
    EXPECT_EQ(run.logText().find("[ERROR] "), std::string::npos) << run.logText();
}

} // namespace
