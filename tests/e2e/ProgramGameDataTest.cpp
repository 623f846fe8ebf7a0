// Runs the real program on the sample game in Japanese: start-up reads the
// game file, the menu layout, then the libraries in their order, before the
// main loop starts.
#include "support/ProgramRun.h"
#include "support/X11Windows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

unsigned long waitForWindow(pid_t pid)
{
    for (int tenth = 0; tenth < 200; ++tenth) {
        if (unsigned long window = findWindowByTitle(sampleWindowTitle, pid))
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}

} // namespace

TEST(ProgramGameData, StartUpInJapaneseLoadsTheLibrariesInTheirOrder)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    run.environment["LC_ALL"] = "ja_JP.UTF-8";
    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    ASSERT_TRUE(requestWindowClose(waitForWindow(pid)));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();

    const std::string log = run.logText();
    std::size_t from = 0;
    for (const char* line : {"Langage is: japanese", "will start the game", "game read", "start menu read", "pictures gamebox loaded",
                             "sprites gamebox loaded", "waypoints gamebox loaded", "items gamebox loaded",
                             "players gamebox loaded", "background gamebox loaded", "explosions gamebox loaded", "sounds gamebox loaded",
                             "sfx gamebox loaded", "materials3D gamebox loaded",
                             "Gameboxes loaded", "will start the main loop"}) {
        from = log.find(std::string(": ") + line, from);
        ASSERT_NE(from, std::string::npos) << "missing or out of order: " << line << "\n" << log;
    }
    EXPECT_EQ(log.find("XMLDocument"), std::string::npos) << log;
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
}
