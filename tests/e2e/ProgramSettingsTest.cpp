// Starts the real program with settings files a new user may have (values
// out of every range, no numbers, an empty file, a file cut short) from a
// working folder other than the program's: each start must open its window
// with the render window filling it, find the sound banks, close cleanly and
// write back the template's controls and volumes and the window values used.
#include "support/ProgramRun.h"
#include "support/X11Windows.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <OgreConfigFile.h>
#include <OgreDataStream.h>

#include <chrono>
#include <functional>
#include <regex>
#include <thread>
#include <vector>

namespace {

const std::string windowTitle = " - engine v1.7.2.0";
const std::string settingsPath = "share/Zarnith/zarnith/config.ini";
constexpr int testDesktopWidth = 1920;
constexpr int testDesktopHeight = 1080;

// The template with the keys given set to other values.
std::string withValues(std::string text, const std::vector<std::pair<std::string, std::string>>& values)
{
    for (const auto& [key, value] : values)
        text = std::regex_replace(text, std::regex("\n( ?" + key + " +=) [^\n]*\n"), "\n$1 " + value + " \n");
    return text;
}

std::string sectionText(const std::string& file, const std::string& name)
{
    const std::size_t start = file.find("[" + name + "]");
    return start == std::string::npos ? std::string() : file.substr(start, file.find("\n\n", start) - start);
}

int storedNumber(const std::string& file, const std::string& key)
{
    std::string text = file;
    Ogre::ConfigFile settings;
    settings.load(Ogre::DataStreamPtr(new Ogre::MemoryDataStream(&text[0], text.size(), false, true)), "\t:=", true);
    return std::stoi(settings.getSetting(key, "renderer", "-1"));
}

unsigned long waitForWindow(pid_t pid)
{
    for (int tenth = 0; tenth < 200; ++tenth) {
        if (unsigned long window = findWindowByTitle(windowTitle, pid))
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}

// The render window is the one window inside SDL's, and has its size.
bool renderWindowFills(unsigned long window)
{
    const WindowGeometry outer = windowGeometry(window);
    const std::vector<WindowGeometry> inner = childWindowGeometries(window);
    return inner.size() == 1 && inner[0].width == outer.width && inner[0].height == outer.height;
}

bool eventually(const std::function<bool()>& holds)
{
    for (int tenth = 0; tenth < 50; ++tenth) {
        if (holds())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

struct HostileSettings {
    const char* name;
    std::function<std::string(const std::string& settingsTemplate)> text;
    int mode;            // the screen mode written back
    int width;           // the windowed size written back; 0: the window's own
    int height;
    bool resizeByPlayer; // also resize the window while it runs
};

const std::vector<HostileSettings> hostileSettings = {
    {"size beyond any desktop",
     [](const std::string& t) { return withValues(t, {{"width", "2147483647"}, {"height", "2147483647"}}); },
     0, 1824, 1026, false},
    {"near the bottom edge, with less room than the smallest window",
     [](const std::string& t) { return withValues(t, {{"posX", "100"}, {"posY", "400"}}); }, 0, 1280, 646, true},
    {"full-screen size beyond the desktop",
     [](const std::string& t) {
         return withValues(t, {{"fullscreen", "2"}, {"fullScreenWidth", "100000"}, {"fullScreenHeigth", "100000"}});
     },
     2, 1280, 720, false},
    {"full-screen size of nothing",
     [](const std::string& t) {
         return withValues(t, {{"fullscreen", "2"}, {"fullScreenWidth", "0"}, {"fullScreenHeigth", "0"}});
     },
     2, 1280, 720, false},
    {"no numbers",
     [](const std::string& t) {
         return withValues(t, {{"width", "wide"}, {"height", "tall"}, {"posX", "left"}, {"fullscreen", "banana"},
                               {"fullScreenWidth", "huge"}, {"masterVolume", "loud"}, {"upKey", "up"},
                               {"deadzone", "x"}, {"shootButton3", "--"}});
     },
     0, 1280, 720, false},
    {"empty file", [](const std::string&) { return std::string(); }, 0, 1280, 720, false},
    {"no [debug] section", [](const std::string& t) { return t.substr(0, t.find("[debug]")); }, 0, 1280, 720, false},
};

// One start with the settings, closed by its window; the copy of the game is
// the case's own, so a case that fails leaves nothing running for the next.
void startAndClose(const HostileSettings& hostile, const WindowGeometry& desktop)
{
    ProgramRun run;
    run.workingFolder = "elsewhere/";
    boost::filesystem::create_directories(run.folder().path() + run.workingFolder);
    const std::string settingsTemplate = run.folder().read("game/data/config.ini_");
    run.folder().write(settingsPath, hostile.text(settingsTemplate));
    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    const unsigned long window = waitForWindow(pid);
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(eventually([&] { return renderWindowFills(window); }));
    const WindowGeometry shown = windowGeometry(window);
    if (hostile.resizeByPlayer) {
        ASSERT_TRUE(resizeWindow(window, shown.width + 100, shown.height + 50));
        EXPECT_TRUE(eventually(
            [&] { return windowGeometry(window).width == shown.width + 100 && renderWindowFills(window); }));
    }
    ASSERT_TRUE(requestWindowClose(window));
    ASSERT_EQ(run.wait(pid, 60), 0) << run.logText();

    const std::string log = run.logText();
    EXPECT_NE(log.find("sounds banks loading: " + run.gameDir() + "//data/Sounds/musics.tzn"), std::string::npos);
    EXPECT_NE(log.find("sounds banks loaded"), std::string::npos);
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
    const std::string written = run.folder().read(settingsPath);
    for (const char* section : {"sound", "pad", "keyboard"})
        EXPECT_EQ(sectionText(written, section), sectionText(settingsTemplate, section)) << section;
    // The game is the program folder's, never a name looked for from the working folder.
    EXPECT_NE(written.find("\nlastDirectorySaved = .\n"), std::string::npos);
    EXPECT_EQ(storedNumber(written, "fullscreen"), hostile.mode);
    EXPECT_EQ(storedNumber(written, "width"), hostile.width);
    EXPECT_EQ(storedNumber(written, "height"), hostile.height);
    if (hostile.mode == 0) {
        // Without a window manager there is no frame: the window's own place.
        EXPECT_EQ(shown.width, hostile.width);
        EXPECT_EQ(shown.height, hostile.height);
        EXPECT_EQ(storedNumber(written, "posX"), shown.x);
        EXPECT_EQ(storedNumber(written, "posY"), shown.y);
    } else {
        EXPECT_EQ(storedNumber(written, "fullScreenWidth"), desktop.width);
        EXPECT_EQ(storedNumber(written, "fullScreenHeigth"), desktop.height);
    }
}

TEST(ProgramSettings, HostileSettingsStillStartFromAnyFolderAndAreRepaired)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const WindowGeometry desktop = desktopGeometry();
    if (desktop.width != testDesktopWidth || desktop.height != testDesktopHeight)
        GTEST_SKIP() << "the expected sizes are those of a 1920x1080 screen";
    for (const HostileSettings& hostile : hostileSettings) {
        SCOPED_TRACE(hostile.name);
        startAndClose(hostile, desktop);
    }
}

} // namespace
