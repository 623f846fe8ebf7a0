// Web pages open through a stand-in "xdg-open" placed first on PATH, which
// records the arguments it is started with.
#include "platform/WebPage.h"

#include "ScopedEnvironment.h"

#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// Waits for the stand-in to finish its record; empty when it never does.
std::string waitForRecord(const TempFolder& folder)
{
    for (int i = 0; i < 500 && !folder.exists("record"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return folder.exists("record") ? folder.read("record") : std::string();
}

TEST(WebPage, OpensOnlyWebAddressesWithTheAddressAsItsOneArgument)
{
    struct Case {
        std::string address;
        bool isOpened;
    };
    const Case cases[] = {
        {"https://example.org/a b?x=1&y=$(touch hacked)'\"", true},
        {"HTTP://example.org", true},
        {"ftp://example.org", false},
        {"file:///etc/passwd", false},
        {"-example.org; http://example.org", false},
        {"", false},
    };
    for (const Case& test : cases) {
        TempFolder folder;
        folder.write("xdg-open", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" + folder.path()
                                     + "part\"\nmv \"" + folder.path() + "part\" \"" + folder.path() + "record\"\n");
        chmod((folder.path() + "xdg-open").c_str(), S_IRWXU);
        ScopedEnvironment environment;
        environment.set("PATH", folder.path() + ":/usr/bin:/bin");
        LogCapture log;
        SCOPED_TRACE(test.address);
        EXPECT_EQ(platform::openWebPage(test.address), test.isOpened);
        if (test.isOpened) {
            EXPECT_EQ(waitForRecord(folder), "1|" + test.address + "|");
            EXPECT_TRUE(log.lines.empty());
        } else {
            EXPECT_EQ(log.lines.size(), 1u);
            EXPECT_TRUE(log.containsPrefix("[ERROR] "));
        }
        EXPECT_FALSE(folder.exists("hacked"));
    }
}

TEST(WebPage, AMissingLauncherIsOneErrorLine)
{
    TempFolder empty;
    ScopedEnvironment environment;
    environment.set("PATH", empty.path());
    LogCapture log;
    EXPECT_FALSE(platform::openWebPage("https://example.org"));
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines.front().rfind("[ERROR] ", 0), 0u);
}

} // namespace
