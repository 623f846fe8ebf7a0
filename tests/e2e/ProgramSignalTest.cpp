// A terminal's Ctrl+C and the desktop's SIGTERM end the real program the way
// closing its window does.
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

TEST(ProgramSignals, InterruptAndTerminateQuitAndSaveLikeTheWindowClose)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signalNumber);
        ProgramRun run;
        const pid_t pid = run.start();
        ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
        ASSERT_EQ(kill(pid, signalNumber), 0);
        EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();
        EXPECT_NE(run.logText().find("Quitting the game"), std::string::npos) << run.logText();
        // The first start copied the template, whose "lastGameSaved" the
        // settings writer never writes: its absence shows the file was saved.
        const std::string settings = run.folder().read("share/Zarnith/zarnith/config.ini");
        EXPECT_NE(settings.find("\nlastLevelSaved = "), std::string::npos) << settings;
        EXPECT_EQ(settings.find("lastGameSaved"), std::string::npos) << settings;
    }
}
