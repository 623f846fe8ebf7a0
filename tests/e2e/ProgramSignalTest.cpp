// A terminal's Ctrl+C and the SIGTERM a desktop sends once when it logs out
// quit the real program from every screen, as its quit entry does: the
// settings are saved, "Quitting the game" is logged and the exit code is 0.
#include "support/ArchiveEdit.h"
#include "support/ProgramPlayer.h"

#include <csignal>
#include <functional>
#include <string>
#include <vector>

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

// The game's data made long to read: 20,000 explosions more.
void crowdGameData(ProgramRun& run)
{
    ASSERT_TRUE(archiveedit::rewriteEntry(run.gameDir() + "data/game.tzn", "gamebox.explosions", [](const std::string& text) {
        std::string more = text;
        for (int i = 0; i < 20000; ++i)
            more += "<explosion name=\"e" + std::to_string(i) + R"(" screenName="x"><EXPL duration="0.1"/></explosion>)";
        return more;
    }));
}

// The first level made long to read and build: its first wave `count` times more.
std::function<void(ProgramRun&)> crowdLevel(int count)
{
    return [count](ProgramRun& run) {
        ASSERT_TRUE(archiveedit::rewriteEntry(run.gameDir() + "data/game.tzn", "Level01.level", [count](const std::string& level) {
            const std::size_t from = level.find("<enemy ");
            const std::size_t to = level.find("</enemy>", from) + std::string("</enemy>").size();
            std::string more = level.substr(0, to);
            for (int i = 0; i < count; ++i)
                more += level.substr(from, to - from);
            return more + level.substr(to);
        }));
    };
}

void toLevelBuild(Player& player)
{
    toStartMenu(player);
    player.tap(XK_Return); // Start
    ASSERT_TRUE(player.waitFor("Bullet physics initialized")) << player.run.logText();
}

void toGameDataLoad(Player& player) { ASSERT_TRUE(player.waitFor("will start the game")) << player.run.logText(); }

struct SignalCase {
    const char* screen;
    int signalNumber;
    std::function<void(Player&)> reach;
    std::function<void(ProgramRun&)> prepare = [](ProgramRun&) {};
    // A long work the quit must cut short, however busy the machine: a line
    // only the whole work writes, or the one the program writes when it
    // stops the work.
    const char* wholeWorkLine = nullptr;
    const char* stoppedLine = nullptr;
};

const std::vector<SignalCase>& signalCases()
{
    static const std::vector<SignalCase> cases = {
        {"splash pictures", SIGINT, [](Player&) {}},
        {"start menu", SIGTERM, toStartMenu},
        {"play", SIGTERM, toPlay},
        {"pause menu", SIGTERM, toPauseMenu},
        {"long load of the game data", SIGTERM, toGameDataLoad, crowdGameData},
        {"long build of a level", SIGTERM, toLevelBuild, crowdLevel(5000), "Scene: 5003 enemies"},
        {"long read of a level", SIGTERM, toLevelBuild, crowdLevel(20000), nullptr, "stopped reading Level01.level"},
    };
    return cases;
}

// One screen a test, so that the screens are reached side by side.
class ProgramSignals : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ProgramSignals, FirstSignalQuitsAndSaves)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const SignalCase& signalCase = signalCases()[GetParam()];
    ProgramRun run;
    writeSettings(run, "D3D9");
    signalCase.prepare(run);
    Player player(run);
    ASSERT_TRUE(player.start());
    signalCase.reach(player);
    if (HasFatalFailure())
        return;
    ASSERT_EQ(kill(player.pid, signalCase.signalNumber), 0);
    EXPECT_EQ(player.waitForEnd(), 0) << run.logText();
    if (signalCase.wholeWorkLine) {
        EXPECT_EQ(run.logText().find(signalCase.wholeWorkLine), std::string::npos) << run.logText();
    }
    if (signalCase.stoppedLine) {
        EXPECT_NE(run.logText().find(signalCase.stoppedLine), std::string::npos) << run.logText();
    }
    EXPECT_EQ(occurrences(run.logText(), "Quitting the game"), 1u) << run.logText();
    // The settings written here come from the template, whose
    // "lastGameSaved" the settings writer never writes: its absence
    // shows the file was saved.
    const std::string settings = run.folder().read(settingsPath);
    EXPECT_NE(settings.find("\nlastLevelSaved = "), std::string::npos) << settings;
    EXPECT_EQ(settings.find("lastGameSaved"), std::string::npos) << settings;
}

std::string screenName(const ::testing::TestParamInfo<std::size_t>& info) { return caseName(signalCases()[info.param].screen); }

INSTANTIATE_TEST_SUITE_P(Screens, ProgramSignals, ::testing::Range<std::size_t>(0, signalCases().size()), screenName);

} // namespace
