// Runs the real program on the sample game under the X server of the test run.
#include "support/ProgramRun.h"
#include "support/ShownFrames.h"
#include "support/X11Windows.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

// The settings template with the window drawn even without input focus (the
// test's X server has no window manager to give focus).
std::string renderingSettings(const ProgramRun& run)
{
    std::string settings = run.folder().read("game/data/config.ini_");
    const std::string off = "isAlwaysRender = false";
    const std::size_t at = settings.find(off);
    if (at != std::string::npos)
        settings.replace(at, off.size(), "isAlwaysRender = true");
    return settings;
}

// Each expected line appears in the log after the one before it.
void expectInOrder(const std::string& log, const std::vector<std::string>& lines)
{
    std::size_t from = 0;
    for (const std::string& line : lines) {
        const std::size_t at = log.find(": " + line, from);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line;
        from = at + line.size();
    }
}

unsigned long waitForWindow(pid_t pid, int timeoutSeconds, const std::string& title = sampleWindowTitle)
{
    for (int tenth = 0; tenth < timeoutSeconds * 10; ++tenth) {
        if (unsigned long window = findWindowByTitle(title, pid))
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}

// Whether the window starts (or stops) presenting frames within the time,
// looking a second at a time. Frames come once the first turns have built
// what the screen draws, which under the sanitizers on a slow machine takes
// seconds of their own; without focus the idle loop presents nothing, while
// a turn begun with the focus still ends with a frame.
bool framesPresentWithin(unsigned long window, bool isPresenting, int timeoutSeconds)
{
    for (int look = 0; look < timeoutSeconds; ++look)
        if ((shownFrameRate(window, std::chrono::seconds(1)) > 0.0) == isPresenting)
            return true;
    return false;
}

// Starts the program, lets it reach its main loop, closes its window and
// expects a clean end.
void playUntilClosed(ProgramRun& run, const std::string& title = sampleWindowTitle)
{
    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    ASSERT_TRUE(requestWindowClose(waitForWindow(pid, 20, title)));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();
}

} // namespace

TEST(ProgramWindow, StartsRendersAndQuitsCleanlyWhenTheWindowCloses)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    // First start: old files beside the program move into the preference folder.
    run.folder().write("game/config.ini", renderingSettings(run));
    run.folder().write("game/data/zarnith.scores", "<PREFS lasName = \"OLD\" />\n");

    const pid_t pid = run.start();
    // The window shows the game's name from the moment it appears.
    std::optional<std::string> firstTitle;
    for (int hundredth = 0; hundredth < 120 * 100 && !firstTitle; ++hundredth) {
        firstTitle = shownWindowTitle(pid);
        if (!firstTitle)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(firstTitle.value_or("(never shown)"), sampleWindowTitle);
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();

    // A second copy ends at once with code 0 and touches nothing.
    const std::string logBefore = run.logText();
    const pid_t second = run.start();
    EXPECT_EQ(run.wait(second, 20), 0);
    // A second Ogre root would have started the log afresh.
    EXPECT_EQ(run.logText().compare(0, logBefore.size(), logBefore), 0);

    const unsigned long window = waitForWindow(pid, 20);
    ASSERT_NE(window, 0u) << "no window titled \"" << sampleWindowTitle << "\"";
    ASSERT_TRUE(framesPresentWithin(window, true, 120)) << run.logText();
    ASSERT_TRUE(requestWindowClose(window));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();

    const std::string log = run.logText();
    const std::string exePath = run.gameDir() + "/";
    expectInOrder(log, {
        "Zarnith Engine v1.7.2.0",
        "prefPath: zarnith",
        "Looking for prefs.ini in: " + run.preferenceDir(),
        "Preferences path found.",
        "Will copy missing high.score.",
        "copied high.score.",
        "Will remove unused high.score in " + exePath + "data//zarnith.scores",
        "Removed unused high.score.",
        "ini path: " + exePath + "config.ini",
        "ini copy path: " + run.preferenceDir() + "config.ini",
        "INI PATH: " + run.preferenceDir(),
        "INI loaded.",
        "Display DPI - ddpi: ",
        "DesktopDisplayMode - w: ",
        "CurrentDesktopDisplayMode - w: ",
        "Screen mode: Windowed",
        "GL_getDrawableSize - w: ",
        "renderer initialized",
        "extensionPath: Extensions/",
        "resources gamepath = " + exePath,
        "resources paths initialized",
        "currentGameDirectory .",
        "resources initialized",
        "mydocuments = ",
        "editorRoot = " + exePath,
        "exePath = " + exePath,
        "currentGameDirectory2 .",
        "sceneManager initialized",
        "Langage is: english",
        "LANGID is: 1033",
        "Zarnith - version: 1.7.2.0",
        "game created",
        "will start the game",
        "will read the level list",
        "game read",
        "pictureRatio 1.77778",
        "will start the main loop",
        "Quitting the game",
    });
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;

    EXPECT_FALSE(run.folder().exists("game/config.ini"));
    EXPECT_FALSE(run.folder().exists("game/data/zarnith.scores"));
    EXPECT_TRUE(run.folder().exists("share/Zarnith/zarnith/high.scores"));
    const std::string settings = run.folder().read("share/Zarnith/zarnith/config.ini");
    EXPECT_EQ(settings.rfind("[preferences] \nlanguage = english \n", 0), 0u) << settings;
    EXPECT_NE(settings.find("\nisAlwaysRender = true \n"), std::string::npos);
    EXPECT_NE(settings.find("\nlastLevelSaved = Level01\n\n"), std::string::npos) << settings;
}

TEST(ProgramWindow, OpenGL3WithGeneratedShadersAlsoStarts)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    std::string settings = renderingSettings(run);
    settings.replace(settings.find("library = D3D9"), 14, "library = D3D11");
    run.folder().write("share/Zarnith/zarnith/config.ini", settings);

    playUntilClosed(run);
    EXPECT_NE(run.logText().find("OpenGL 3+ Rendering Subsystem"), std::string::npos);
    EXPECT_NE(run.folder().read("share/Zarnith/zarnith/config.ini").find("\nlibrary = D3D11 \n"), std::string::npos);
}

TEST(ProgramWindow, BadSettingsValuesFallBackToDefaults)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    run.folder().write("share/Zarnith/zarnith/config.ini",
                       "[renderer]\nwidth = wide\nheight =\nfullscreen = banana\nisAlwaysRender = true\n"
                       "posX = -300\n[sound]\nmasterVolume = loud\n[debug]\nlastGameSaved = .\n");
    playUntilClosed(run);
    EXPECT_NE(run.logText().find("Screen mode: Windowed"), std::string::npos);
}

// Without a preference folder the log and the terminal name the folder tried,
// and the program ends with an error.
TEST(ProgramStart, WithoutAPreferenceFolderItNamesItAndEnds)
{
    ProgramRun run;
    run.errorFile = "stderr";
    const std::string file = run.folder().path() + "file";
    run.folder().write("file", "");
    for (const auto& [dataHome, home, named] : std::vector<std::array<std::string, 3>>{
             {"", "", "neither XDG_DATA_HOME nor HOME environment is set"},
             {file, "", file + "/Zarnith/zarnith/: Couldn't create directory"},
             {"", file, file + "/.local/share/Zarnith/zarnith/: Couldn't create directory"}}) {
        run.environment["XDG_DATA_HOME"] = dataHome;
        run.environment["HOME"] = home;
        EXPECT_EQ(run.wait(run.start(), 30), 1);
        const std::string line = "[ERROR] Don't have access to the preference folder: " + named;
        expectInOrder(run.logText(), {"Looking for prefs.ini in: ", line, "Exiting."});
        EXPECT_EQ(occurrences(run.folder().read("stderr"), line), 1u) << run.folder().read("stderr");
        EXPECT_EQ(run.logText().find("renderer initialized"), std::string::npos);
    }
}

TEST(ProgramWindow, WithoutFocusTheLoopIdlesAndStillHearsTheClose)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run; // the template keeps isAlwaysRender off
    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    const unsigned long window = waitForWindow(pid, 20);
    ASSERT_TRUE(framesPresentWithin(window, true, 120)) << run.logText();
    ASSERT_TRUE(removeKeyboardFocus());
    ASSERT_TRUE(framesPresentWithin(window, false, 60)) << "the window kept presenting frames without focus";
    const double before = processorSeconds(pid);
    const double idle = shownFrameRate(window, std::chrono::seconds(2));
    const double used = processorSeconds(pid) - before;
    EXPECT_EQ(idle, 0.0);
    EXPECT_LT(used, 0.8) << "an idle window should sleep between turns";
    ASSERT_TRUE(requestWindowClose(window));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();
    EXPECT_NE(run.logText().find("Quitting the game"), std::string::npos);
}

TEST(ProgramWindow, MissingArchiveIsLoggedAndAnEarlyCloseIsHonoured)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    run.folder().write("share/Zarnith/zarnith/config.ini", renderingSettings(run));
    boost::filesystem::remove(run.gameDir() + "data/Extensions.tzn");
    const pid_t pid = run.start();
    // Close as soon as the window exists, while start-up may still be running.
    ASSERT_TRUE(requestWindowClose(waitForWindow(pid, 120)));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();
    const std::string log = run.logText();
    EXPECT_NE(log.find("[ERROR] resource location not found: " + run.gameDir() + "//data/Extensions.tzn"),
              std::string::npos) << log;
    expectInOrder(log, {"will start the main loop", "Quitting the game"});
}

TEST(ProgramWindow, AGameFolderWithoutAGameFileStillOpensAndCloses)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    run.folder().write("share/Zarnith/zarnith/config.ini", renderingSettings(run));
    boost::filesystem::remove(run.gameDir() + "data/game.tzn");
    // Without a game there is no name to show before the version.
    playUntilClosed(run, " - engine v1.7.2.0");
    EXPECT_EQ(run.logText().find("game read"), std::string::npos);
}
