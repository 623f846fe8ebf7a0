// Web pages open through a stand-in "xdg-open" first on PATH, which records
// the arguments it is started with.
#include "platform/WebPage.h"

#include "ScopedEnvironment.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace {

TEST(WebPage, OpensOnlyWebAddressesPassingEachAsItsOneArgument)
{
    struct Case {
        std::string address;
        bool hasLauncher;
        bool isOpened;
    };
    const Case cases[] = {
        {"https://example.org/a b?x=1&y=$(touch hacked)'\"", true, true}, {"HTTP://example.org", true, true},
        {"ftp://example.org", true, false}, {"-x; http://example.org", true, false}, {"", true, false},
        {"https://example.org", false, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.address);
        TempFolder folder;
        const std::string record = folder.path() + "record";
        if (test.hasLauncher)
            folder.write("xdg-open", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > " + record + ".part\nmv " + record
                                         + ".part " + record + "\n");
        chmod((folder.path() + "xdg-open").c_str(), S_IRWXU);
        ScopedEnvironment environment;
        environment.set("PATH", folder.path() + (test.hasLauncher ? ":/usr/bin:/bin" : ""));
        LogCapture log;
        EXPECT_EQ(platform::openWebPage(test.address), test.isOpened);
        for (int i = 0; test.isOpened && i < 500 && !folder.exists("record"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(folder.read("record"), test.isOpened ? "1|" + test.address + "|" : "");
        // Refused or unopened addresses say so in one line.
        EXPECT_EQ(log.lines.size(), test.isOpened ? 0u : 1u);
        EXPECT_EQ(log.containsPrefix("[ERROR] "), !test.isOpened);
        EXPECT_FALSE(folder.exists("hacked"));
    }
}

} // namespace
