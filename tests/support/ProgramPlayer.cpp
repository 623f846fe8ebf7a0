#include "support/ProgramPlayer.h"

#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <thread>

namespace {

const std::string windowTitle = sampleWindowTitle;

} // namespace

void writePicture(const WindowImage& image, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    for (const std::uint32_t pixel : image.pixels)
        out.put(static_cast<char>(pixel >> 16)).put(static_cast<char>(pixel >> 8)).put(static_cast<char>(pixel));
}

void keepShot(const WindowImage& image, const std::string& name)
{
    if (const char* folder = std::getenv("ZARNITH_RENDER_SHOTS"))
        writePicture(image, std::string(folder) + "/" + name + ".ppm");
}

const std::string settingsPath = "share/Zarnith/zarnith/config.ini";

void sleepFor(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool eventually(const std::function<bool()>& holds, int seconds)
{
    for (int tenth = 0; tenth < seconds * 10; ++tenth, sleepFor(std::chrono::milliseconds(100)))
        if (holds())
            return true;
    return false;
}

void writeSettings(ProgramRun& run, const std::string& library)
{
    std::string settings = run.folder().read("game/data/config.ini_");
    settings = std::regex_replace(settings, std::regex("isAlwaysRender = false"), "isAlwaysRender = true");
    settings = std::regex_replace(settings, std::regex("library = D3D9"), "library = " + library);
    run.folder().write(settingsPath, settings);
}

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

double differingShare(const WindowImage& a, const WindowImage& b)
{
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        differing += a.pixels[i] != b.pixels[i];
    return double(differing) / double(a.pixels.size());
}

double meanBrightness(const WindowImage& image)
{
    double sum = 0.0;
    for (const std::uint32_t pixel : image.pixels)
        sum += ((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff);
    return image.pixels.empty() ? 0.0 : sum / double(image.pixels.size());
}

bool waitForLevelShown(Player& player, int seconds)
{
    constexpr double litScreen = 0.1 * 3.0 * 255.0;
    constexpr double fadeSettled = 1.02;
    constexpr auto lookGap = std::chrono::milliseconds(700);
    const Clock::time_point start = Clock::now();
    for (double before = meanBrightness(player.capture()); secondsSince(start) < seconds * player.pace;) {
        sleepFor(lookGap);
        const double now = meanBrightness(player.capture());
        if (now > litScreen && now < before * fadeSettled)
            return true;
        before = now;
    }
    return false;
}

RecentFrames::~RecentFrames()
{
    if (!::testing::Test::HasFailure() || frames.empty())
        return;
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test.test_suite_name()) + "." + test.name();
    std::replace(name.begin(), name.end(), '/', '-');
    const std::filesystem::path folder = std::filesystem::absolute("failed-frames");
    std::filesystem::create_directories(folder);
    // Numbered across the test's players, so that one does not overwrite another's.
    static int keptFrames = 0;
    for (const WindowImage& frame : frames) {
        const std::string path = (folder / (name + "-" + std::to_string(++keptFrames) + ".ppm")).string();
        writePicture(frame, path);
        std::cout << "kept frame: " << path << "\n";
    }
}

void RecentFrames::add(const WindowImage& image)
{
    constexpr std::size_t kept = 3;
    if (frames.size() == kept)
        frames.pop_front();
    frames.push_back(image);
}

WindowImage Player::capture() const
{
    WindowImage image = captureWindow(window);
    recent.add(image);
    return image;
}

::testing::AssertionResult Player::start()
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

double Player::splashSeconds()
{
    EXPECT_TRUE(waitFor("start menu will init start")) << run.logText();
    return secondsSince(mainLoopTime);
}

void Player::setPaceFromSplash(double splashSeconds, double menuSeconds)
{
    pace = std::max(1.0, splashSeconds / menuSeconds);
}

void Player::wait(std::chrono::milliseconds time) const
{
    sleepFor(std::chrono::milliseconds(static_cast<long>(static_cast<double>(time.count()) * pace)));
}

void Player::tap(unsigned long key, int times)
{
    for (int i = 0; i < times; ++i) {
        press(key);
        sleepFor(keyHold);
        release(key);
        wait(afterTap);
    }
}

void Player::burst(unsigned long key, int times)
{
    for (int i = 0; i < times; ++i) {
        press(key);
        release(key);
    }
    wait(afterTap);
}

void Player::choose(unsigned long key)
{
    tap(key);
    wait(afterScreenChange);
}

void Player::back()
{
    tap(XK_Escape);
    wait(afterScreenChange);
}

WindowImage Player::shot(const std::string& name)
{
    WindowImage image = capture();
    keepShot(image, name);
    return image;
}

int Player::close()
{
    requestWindowClose(window);
    return run.wait(pid, 60);
}

int Player::closeFromPlay()
{
    // A death and the ship's return take a few seconds of play; the closes
    // come further apart than that.
    constexpr int closes = 8, secondsApart = 5;
    for (int tries = 0; tries < closes; ++tries) {
        requestWindowClose(window);
        if (const int code = run.wait(pid, static_cast<int>(secondsApart * pace)); code != -1)
            return code;
    }
    return -1;
}

namespace {

// More than one colour: a view cleared black each frame, with only the
// ship and the shots left when the engine's pictures are gone, still plays.
bool showsAnything(const WindowImage& image)
{
    return std::any_of(image.pixels.begin(), image.pixels.end(),
                       [&](std::uint32_t pixel) { return pixel != image.pixels.front(); });
}

} // namespace

bool Player::playMoves() const
{
    WindowImage previous = capture();
    int changes = 0;
    return eventually([&] {
        WindowImage now = capture();
        changes += showsAnything(now) && differingShare(previous, now) > 0.0;
        previous = std::move(now);
        return changes >= 10;
    }, static_cast<int>(30 * pace));
}

bool Player::holdsStill(int seconds) const
{
    constexpr double stillShare = 0.01;
    WindowImage previous = capture();
    return eventually(
        [&] {
            WindowImage now = capture();
            const bool isStill = showsAnything(now) && differingShare(previous, now) < stillShare;
            previous = std::move(now);
            return isStill;
        },
        static_cast<int>(seconds * pace));
}
