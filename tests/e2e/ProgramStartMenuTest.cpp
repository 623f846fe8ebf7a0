// Plays the real program's front end as a player would: key events go to
// its window through the X server, and what it shows is read back from the
// window. The splash pictures show and a held key shortens them; the start
// menu's option screens change the sound, the window mode and a key binding,
// which config.ini keeps; a restart keeps the binding, the defaults restore
// it; "Start" fades into the first level and "Quit" ends the program.
#include "support/ProgramRun.h"
#include "support/X11Windows.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

const std::string windowTitle = " - engine v1.7.2.0";
const std::string settingsPath = "share/Zarnith/zarnith/config.ini";

// Menu input locks last up to 0.3 s of menu time, a screen's slide about a
// second: the waits leave room for frames slower than the display's.
constexpr auto afterTap = std::chrono::milliseconds(450);
constexpr auto keyHold = std::chrono::milliseconds(60);
constexpr auto afterScreenChange = std::chrono::milliseconds(1500);

void sleepFor(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

bool eventually(const std::function<bool()>& holds, int seconds = 30)
{
    for (int tenth = 0; tenth < seconds * 10; ++tenth, sleepFor(std::chrono::milliseconds(100)))
        if (holds())
            return true;
    return false;
}

int stored(const std::string& settings, const std::string& key)
{
    std::smatch value;
    return std::regex_search(settings, value, std::regex("\n ?" + key + " += (-?[0-9]+) \n")) ? std::stoi(value[1])
                                                                                                : -1;
}

// Writes the capture as a PPM picture into ZARNITH_RENDER_SHOTS when that is set.
void keepShot(const WindowImage& image, const std::string& name)
{
    const char* folder = std::getenv("ZARNITH_RENDER_SHOTS");
    if (!folder)
        return;
    std::ofstream out(std::string(folder) + "/" + name + ".ppm", std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    for (const std::uint32_t pixel : image.pixels)
        out.put(static_cast<char>(pixel >> 16)).put(static_cast<char>(pixel >> 8)).put(static_cast<char>(pixel));
}

// A picture with something on it: many colours, none covering all of it.
::testing::AssertionResult hasContent(const WindowImage& image)
{
    if (image.pixels.empty())
        return ::testing::AssertionFailure() << "no capture";
    std::map<std::uint32_t, std::size_t> counts;
    for (const std::uint32_t pixel : image.pixels)
        ++counts[pixel];
    std::size_t largest = 0;
    for (const auto& [colour, count] : counts)
        largest = std::max(largest, count);
    if (counts.size() < 16 || largest > image.pixels.size() * 99 / 100)
        return ::testing::AssertionFailure() << counts.size() << " colours, the commonest on " << largest << " of "
                                             << image.pixels.size() << " pixels";
    return ::testing::AssertionSuccess();
}

// The share of pixels that differ, over the area both pictures cover.
double differingShare(const WindowImage& a, const WindowImage& b)
{
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        differing += a.pixels[i] != b.pixels[i];
    return double(differing) / double(a.pixels.size());
}

// One running copy of the program and the keys a player presses.
class Player {
public:
    Player(ProgramRun& run) : run(run) {}

    ::testing::AssertionResult start()
    {
        pid = run.start();
        if (!run.waitForLogLine(pid, "will start the main loop", 120))
            return ::testing::AssertionFailure() << "no main loop\n" << run.logText();
        mainLoopTime = Clock::now();
        if (!eventually([this] { return (window = findWindowByTitle(windowTitle, pid)) != 0; }))
            return ::testing::AssertionFailure() << "no window titled \"" << windowTitle << "\"";
        // SDL drops the keys it holds down when the focus arrives: the
        // focus comes first.
        giveKeyboardFocus(window);
        sleepFor(std::chrono::milliseconds(500));
        return ::testing::AssertionSuccess();
    }
    bool waitFor(const std::string& line) { return run.waitForLogLine(pid, line, 120); }

    void press(unsigned long key) { sendKey(window, key, true); }
    void release(unsigned long key) { sendKey(window, key, false); }
    void tap(unsigned long key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            press(key);
            sleepFor(keyHold);
            release(key);
            sleepFor(afterTap);
        }
    }
    // Confirms the selected entry, which opens a screen or acts.
    void choose(unsigned long key = XK_Return)
    {
        tap(key);
        sleepFor(afterScreenChange);
    }
    void back()
    {
        tap(XK_Escape);
        sleepFor(afterScreenChange);
    }
    WindowImage shot(const std::string& name)
    {
        WindowImage image = captureWindow(window);
        keepShot(image, name);
        return image;
    }
    int close()
    {
        requestWindowClose(window);
        return run.wait(pid, 60);
    }
    int waitForEnd() { return run.wait(pid, 60); }

    ProgramRun& run;
    pid_t pid = 0;
    unsigned long window = 0;
    Clock::time_point mainLoopTime;
};

// The settings template with frames drawn without focus (the X server has no
// window manager to give it) on the renderer that library chooses.
void writeSettings(ProgramRun& run, const std::string& library)
{
    std::string settings = run.folder().read("game/data/config.ini_");
    settings = std::regex_replace(settings, std::regex("isAlwaysRender = false"), "isAlwaysRender = true");
    settings = std::regex_replace(settings, std::regex("library = D3D9"), "library = " + library);
    run.folder().write(settingsPath, settings);
}

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// From the start of the main loop to the start menu: the splash pictures' time.
double splashSeconds(Player& player)
{
    EXPECT_TRUE(player.waitFor("start menu will init start")) << player.run.logText();
    return secondsSince(player.mainLoopTime);
}

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
    return splashSeconds(player);
}

bool haveDisplay() { return std::getenv("DISPLAY") != nullptr; }

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
    sleepFor(std::chrono::milliseconds(1200)); // the first picture has faded in
    const WindowImage splash = player.shot(std::string("splash-") + GetParam());
    EXPECT_TRUE(hasContent(splash));
    ASSERT_TRUE(player.waitFor("start menu initialized")) << run.logText();
    sleepFor(afterScreenChange);
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

// The sound and key options change at once and are kept; the start of the
// game fades into the first level; a restart keeps the key binding, whose
// key then confirms; the defaults restore it, the window mode changes, and
// "Quit" ends the program.
TEST(ProgramStartMenuWalk, OptionsAreKeptAcrossARestartAndTheGameStartsAndQuits)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run, "D3D9");

    Player first(run);
    ASSERT_TRUE(first.start());
    const double fullSplash = splashSeconds(first);
    ASSERT_TRUE(first.waitFor("start menu initialized")) << run.logText();
    sleepFor(afterScreenChange);
    first.choose();           // "PRESS START"
    first.tap(XK_Down);       // Options
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
    sleepFor(std::chrono::seconds(4)); // the level has faded in
    EXPECT_TRUE(hasContent(first.shot("walk-level")));
    // In play a close request opens the pause menu; a second one leaves.
    requestWindowClose(first.window);
    sleepFor(afterScreenChange);
    ASSERT_EQ(first.close(), 0) << run.logText();

    const std::string kept = run.folder().read(settingsPath);
    EXPECT_EQ(stored(kept, "musicVolume"), 50) << kept;
    EXPECT_EQ(stored(kept, "shootButton0"), 16) << kept; // the Q key

    // Again, holding a key down through the splash pictures: they end sooner.
    Player second(run);
    ASSERT_TRUE(second.start());
    EXPECT_LT(splashSecondsHoldingAKey(second), 0.75 * fullSplash);
    ASSERT_TRUE(second.waitFor("start menu initialized")) << run.logText();
    sleepFor(afterScreenChange);
    second.choose(XK_q);      // "PRESS START": the bound key confirms
    second.tap(XK_Down);      // Options
    second.choose(XK_q);
    second.tap(XK_Down, 2);   // Controls
    second.choose(XK_q);
    second.choose(XK_q);      // Keyboard
    second.tap(XK_Down, 14);  // Defaults
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
    second.choose();          // Yes
    EXPECT_EQ(second.waitForEnd(), 0) << run.logText();

    const std::string restored = run.folder().read(settingsPath);
    EXPECT_EQ(stored(restored, "shootButton0"), 44) << restored; // the Z key again
    EXPECT_EQ(stored(restored, "musicVolume"), 50) << restored;
    EXPECT_EQ(stored(restored, "fullscreen"), 1) << restored;
    EXPECT_EQ(run.logText().find("[ERROR] "), std::string::npos) << run.logText();
}

} // namespace
