// A terminal's Ctrl+C and the SIGTERM a desktop sends once when it logs out
// quit the real program from every screen, as its quit entry does: the
// settings are saved, "Quitting the game" is logged and the exit code is 0.
#include "support/ProgramPlayer.h"

#include <csignal>
#include <functional>

namespace {

void toStartMenu(Player& player)
{
    player.setPaceFromSplash(player.splashSeconds());
    ASSERT_TRUE(player.waitFor("start menu initialized")) << player.run.logText();
    player.wait(afterScreenChange);
    player.choose(); // "PRESS START"
}

void toPlay(Player& player)
{
    toStartMenu(player);
    player.tap(XK_Return); // Start
    ASSERT_TRUE(player.waitFor("Read the level")) << player.run.logText();
    player.wait(levelIntro);
}

void toPauseMenu(Player& player)
{
    toPlay(player);
    player.tap(XK_Escape);
    player.wait(afterScreenChange);
}

struct SignalCase {
    const char* screen;
    int signalNumber;
    std::function<void(Player&)> reach;
};

TEST(ProgramSignals, FirstSignalQuitsAndSavesFromEveryScreen)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const SignalCase cases[] = {
        {"splash pictures", SIGINT, [](Player&) {}},
        {"start menu", SIGTERM, toStartMenu},
        {"play", SIGTERM, toPlay},
        {"pause menu", SIGTERM, toPauseMenu},
    };
    for (const SignalCase& signalCase : cases) {
        SCOPED_TRACE(signalCase.screen);
        ProgramRun run;
        writeSettings(run, "D3D9");
        Player player(run);
        ASSERT_TRUE(player.start());
        signalCase.reach(player);
        if (HasFatalFailure())
            return;
        ASSERT_EQ(kill(player.pid, signalCase.signalNumber), 0);
        EXPECT_EQ(player.waitForEnd(), 0) << run.logText();
        EXPECT_EQ(occurrences(run.logText(), "Quitting the game"), 1u) << run.logText();
        // The settings written here come from the template, whose
        // "lastGameSaved" the settings writer never writes: its absence
        // shows the file was saved.
        const std::string settings = run.folder().read(settingsPath);
        EXPECT_NE(settings.find("\nlastLevelSaved = "), std::string::npos) << settings;
        EXPECT_EQ(settings.find("lastGameSaved"), std::string::npos) << settings;
    }
}

} // namespace
