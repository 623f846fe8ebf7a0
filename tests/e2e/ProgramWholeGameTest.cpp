// The whole sample game played on the real program, keys only: the first
// level is flown, its lock-on missiles fired, a kill's chain let run out,
// the level paused and finished, the game lost from the second level on and
// the continue declined; the name entered at the end is in the high-score
// table and in the saved file, and the start menu shows the table again
// before the program quits.
#include "support/ChainAndLockOn.h"
#include "support/FlatGrey.h"
#include "support/ProgramPlayer.h"
#include "support/RenderColours.h"
#include "support/ScreenChecks.h"
#include "support/SoundRecording.h"

#include <numeric>
#include <vector>

namespace {

// Long enough for the slowest stretch (a level flown to its end) on a busy machine.
constexpr int levelSeconds = 120;
// The ship's guns fire while the key is held; the ship weaves from side to side.
constexpr unsigned long fireKey = XK_z;
constexpr auto weaveStep = std::chrono::milliseconds(1400);
// Between two captures of a screen that may hold still.
constexpr auto stillGap = std::chrono::milliseconds(700);
// Play while the guns fire shows almost no flat grey blocks (menus' text and
// frames make about 0.2 % of a screen); particles drawn as blocks make 0.8 %.
constexpr double flatGreyLimit = 0.002;
// Between two looks at the screen while the ship weaves.
constexpr auto watchGap = std::chrono::milliseconds(100);

bool waitForCount(Player& player, const std::string& line, std::size_t count, int seconds = levelSeconds)
{
    return eventually([&] { return occurrences(player.run.logText(), line) >= count; }, int(seconds * player.pace));
}

// Two captures a moment apart that barely differ: a screen waiting for the
// player, where play moves all the time.
constexpr double stillShare = 0.01;

// The continue offer's panel shows (below).
bool showsContinueOffer(const WindowImage& image);

// The ship weaves about the middle of the screen, a step at a time, its
// guns firing while play shows bright: a ship that holds still is an easy
// mark for aimed shots, and the fire button would end a waiting screen.
class Weave {
public:
    explicit Weave(Player& player) : player(player) {}
    ~Weave() { setFiring(false); }
    // `meanwhile` runs again and again while the ship moves. The window as
    // the step left it.
    const WindowImage& step(const std::function<void()>& meanwhile = [] {})
    {
        const unsigned long key = isLeft ? XK_Left : XK_Right;
        player.press(key);
        for (const Clock::time_point end = Clock::now() + (isFirstStep ? weaveStep / 2 : weaveStep);
             Clock::now() < end; sleepFor(watchGap))
            meanwhile();
        player.release(key);
        isLeft = !isLeft;
        isFirstStep = false;
        takeContinueOffer();
        return lastLook;
    }
    void setFiring(bool isOn)
    {
        if (isOn != isFiring)
            isOn ? player.press(fireKey) : player.release(fireKey);
        isFiring = isOn;
    }

private:
    // A ship lost on the way brings the continue offer, which holds play
    // still until the player answers, whatever the run waits for: it is
    // taken ("YES" is on the right), and the guns fire on as they did.
    void takeContinueOffer()
    {
        WindowImage now = player.capture();
        if (differingShare(lastLook, now) < stillShare && showsContinueOffer(now)) {
            player.tap(XK_Right);
            player.tap(fireKey);
            if (isFiring)
                player.press(fireKey);
        }
        lastLook = std::move(now);
    }

    Player& player;
    bool isLeft = true;
    bool isFirstStep = true;
    bool isFiring = false;
    WindowImage lastLook;
};

// Every pair of the screens differs in a good share of the window.
void expectDistinct(const std::vector<std::pair<std::string, WindowImage>>& screens)
{
    for (std::size_t a = 0; a < screens.size(); ++a) {
        EXPECT_TRUE(hasContent(screens[a].second)) << screens[a].first;
        for (std::size_t b = a + 1; b < screens.size(); ++b)
            EXPECT_GT(differingShare(screens[a].second, screens[b].second), 0.05)
                << screens[a].first << " and " << screens[b].first;
    }
}

// The score screen darkens the level behind it.
constexpr double darkened = 0.8;

// The continue offer's panel: its warm border and its "YES" cover a share
// of the middle of the screen that nothing else there shows.
bool showsContinueOffer(const WindowImage& image)
{
    const Ogre::ColourValue border = rgb(0xe8a06f);
    constexpr float near = 40.0f / 255.0f;
    std::size_t warm = 0, all = 0;
    for (int y = image.height * 3 / 10; y < image.height * 3 / 4; ++y)
        for (int x = image.width * 3 / 10; x < image.width * 7 / 10; ++x, ++all)
            warm += colourDistance(rgb(image.pixels[static_cast<std::size_t>(y * image.width + x)]), border) < near;
    return warm * 100 > all;
}

// The name panel of the high-score entry, in its place in the middle: its
// light blue border's left side runs down between the table's rank and name
// columns, where nothing else of the table is that blue, whatever the
// level's colour grade behind it.
bool showsNamePanel(const WindowImage& image)
{
    constexpr float lightBlue = 0.55f, bluerThanRed = 0.25f;
    int rows = 0, bordered = 0;
    for (int y = image.height * 7 / 20; y < image.height * 13 / 20; ++y, ++rows)
        for (int x = image.width * 29 / 100; x < image.width * 32 / 100; ++x) {
            const Ogre::ColourValue colour = rgb(image.pixels[static_cast<std::size_t>(y * image.width + x)]);
            if (colour.b > lightBlue && colour.b - colour.r > bluerThanRed) {
                ++bordered;
                break;
            }
        }
    return bordered * 2 > rows;
}

// Weaves, firing while play shows bright, until the condition holds (or
// the time runs out).
void weaveUntil(Weave& weave, Player& player, const std::function<bool()>& done, double brightest,
                int seconds = levelSeconds)
{
    for (const Clock::time_point start = Clock::now(); !done() && secondsSince(start) < seconds * player.pace;)
        weave.setFiring(meanBrightness(weave.step()) >= brightest);
}

// The first still capture darker than that which the screen wanted shows.
WindowImage firstStillScreen(Player& player, double brightest, int seconds = levelSeconds,
                             const std::function<bool(const WindowImage&)>& isWanted = [](const WindowImage&) {
                                 return true;
                             })
{
    const Clock::time_point start = Clock::now();
    WindowImage previous = player.capture();
    while (secondsSince(start) < seconds * player.pace) {
        sleepFor(stillGap);
        WindowImage now = player.capture();
        if (differingShare(previous, now) < stillShare && hasContent(now) && meanBrightness(now) < brightest
            && isWanted(now))
            return now;
        previous = std::move(now);
    }
    return {};
}

// The pause key's sound, "pause.wav", is a 988 Hz triangle: nearly all of
// its power is in that one tone, which nothing else of the game plays alone.
constexpr double pauseTone = 988.0;
constexpr double pureToneShare = 0.5;

// The mean colour of the screen's outer tenth, where a grey vignette left
// over from play would darken the start menu.
Ogre::ColourValue edgeColour(const WindowImage& image)
{
    Ogre::ColourValue sum(0.0f, 0.0f, 0.0f);
    std::size_t count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool isEdge = x < image.width / 10 || x >= image.width * 9 / 10 || y < image.height / 10
                                || y >= image.height * 9 / 10;
            if (!isEdge)
                continue;
            sum += rgb(image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0xffffffu);
            ++count;
        }
    return count ? sum / static_cast<float>(count) : sum;
}

// The same start menu screen twice looks the same at its edges.
constexpr float sameMenuDistance = 8.0f / 255.0f;

class ProgramWholeGame : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramWholeGame, PlayedFromTheStartMenuToTheHighScoreTable)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run, GetParam());
    const std::string recording = soundrecording::recordMix(run);
    const std::string renderer = GetParam();
    std::vector<std::pair<std::string, WindowImage>> screens;
    const auto keep = [&](const std::string& name, const WindowImage& image) {
        screens.emplace_back(name, image);
        keepShot(image, "whole-" + name + "-" + renderer);
    };
    Player player(run);
    ASSERT_TRUE(player.start());
    player.setPaceFromSplash(player.splashSeconds());
    ASSERT_TRUE(player.waitFor("start menu initialized")) << run.logText();
    player.wait(afterScreenChange);
    const WindowImage menuBeforePlay = player.shot("whole-menu-before-" + renderer);
    player.choose(); // "PRESS START"
    player.tap(XK_Return); // Start
    ASSERT_TRUE(player.waitFor("Read the level")) << run.logText();
    player.wait(levelIntro);
    ASSERT_TRUE(waitForLevelShown(player, levelSeconds)) << hasContent(player.shot("whole-unlit-" + renderer));
    const auto levelsRead = [&] { return occurrences(run.logText(), "Read the level"); };

    // The first level: fly and fire, pause and play on, until its end.
    Weave weave(player);
    weave.setFiring(true);
    for (const Clock::time_point start = Clock::now(); secondsSince(start) < 3;)
        weave.step();
    const WindowImage inPlay = player.capture();
    keep("hud", inPlay);
    EXPECT_GT(std::count_if(inPlay.pixels.begin(), inPlay.pixels.end(), // level one's dawn sky, not fog or sky box
                            [](std::uint32_t p) { return std::min(rgb(p).r, rgb(p).b) > rgb(p).g + 0.06f; }),
              long(inPlay.pixels.size() / 4));
    // The sparks and bursts of the shots show their pictures, not flat blocks.
    EXPECT_LT(flatGreyBlockShare(inPlay), flatGreyLimit);
    // Paused early in the level, where play always allows it: a wait for
    // the chain on a busy machine can take play to the level's end.
    weave.setFiring(false);
    player.tap(XK_Escape);
    player.wait(afterScreenChange);
    keep("pause", player.capture());
    player.choose(); // Continue
    // The pause key pauses without the menu, and its sound plays over the
    // paused mix; the recording's size marks where the pause began. A key
    // that came while the menu still closed is pressed again.
    const std::uintmax_t pauseStart = soundrecording::writtenBytes(recording);
    constexpr int pauseTries = 5, pauseSeconds = 3;
    bool isHeld = false;
    for (int tries = 0; tries < pauseTries && !isHeld; ++tries) {
        player.tap(XK_p);
        isHeld = player.holdsStill(pauseSeconds);
    }
    EXPECT_TRUE(isHeld) << "the pause key never held the level";
    EXPECT_GT(soundrecording::waitForTone(recording, pauseStart, pauseTone, soundrecording::audibleLevel, pureToneShare, 20),
              pureToneShare)
        << "no pause sound";
    player.tap(XK_p);
    // From here on the level's end may come at any time: on a busy machine
    // the waits below can take play that far.
    ScreenWatch levelEnd(player.window);
    // Early in the level, its first wave on screen, the lock key alone is
    // pressed a step at a time (a lock-on gun fires once a press) until the
    // lock sound plays. Then the guns fire until a kill starts a chain and
    // shows its bar; with the guns quiet again no kill follows: the chain
    // runs out, its bar empties.
    EXPECT_GT(chainlockon::pressUntilLockHeard(player, recording, [&] { weave.step(); }, soundrecording::audibleLevel,
                                               pureToneShare, levelSeconds / 4),
              pureToneShare)
        << "no lock sound while the lock key alone was pressed";
    weave.setFiring(true);
    const auto watching = [&](const std::function<void()>& look) { weave.step(look); };
    ASSERT_TRUE(chainlockon::stepUntilBar(player, true, watching, levelSeconds))
        << hasContent(player.shot("whole-no-chain-" + renderer));
    keepShot(player.capture(), "whole-chain-shown-" + renderer);
    weave.setFiring(false);
    EXPECT_TRUE(chainlockon::stepUntilBar(player, false, watching, 30))
        << hasContent(player.shot("whole-chain-kept-" + renderer));
    // The ship weaves on to the level's end; the stage's scores wait on
    // screen over the darkened level before the second level is read.
    weave.setFiring(true);
    weaveUntil(weave, player, [&] { return levelsRead() >= 2; }, darkened * meanBrightness(inPlay));
    ASSERT_EQ(levelsRead(), 2u) << hasContent(player.shot("whole-stuck-" + renderer));
    keep("stage-scores", levelEnd.lastShown(WatchedScreen::scorePanel));
    weave.setFiring(false);
    levelEnd.stop();
    // The ship weaves on over it, its keys held.
    expectScoreScreenShown("after the first level", levelEnd, Keys::held);

    // From the second level on the ship holds still without firing until
    // every life is lost: the second level's few aimed shots may leave it
    // some, the third's boss, which only its fall ends, takes the rest. The
    // continue offer waits for the player.
    player.wait(levelIntro);
    const WindowImage level2 = player.capture();
    player.wait(stillGap);
    const auto top = long(level2.pixels.size() / 10); // below the HUD, what is drawn nowhere keeps going black
    EXPECT_LT(std::inner_product(level2.pixels.begin() + top, level2.pixels.end(), player.capture().pixels.begin() + top,
                                 0L, std::plus<>(), [](auto a, auto b) { return (a & 0xf8f8f8u) == 0 && a == b; }),
              top / 20) << hasContent(player.shot("whole-stale-" + renderer));
    const WindowImage offer =
        firstStillScreen(player, darkened * meanBrightness(inPlay), 3 * levelSeconds, showsContinueOffer);
    ASSERT_TRUE(showsContinueOffer(offer)) << hasContent(player.shot("whole-no-continue-" + renderer));
    ASSERT_LE(levelsRead(), 3u) << run.logText();
    keep("continue", offer);
    player.tap(XK_Left); // No
    ScreenWatch gameEnd(player.window);
    player.tap(fireKey);
    ASSERT_TRUE(player.waitFor("start highscores")) << run.logText();
    gameEnd.stop();
    expectGameOverShown(gameEnd);
    expectScoreScreenShown("after game over", gameEnd);
    // The name panel slides in after the table, 1.9 s of the screen's time;
    // then the screen holds still.
    ASSERT_TRUE(hasContent(firstStillScreen(player, 3.0 * 255.0, 30, showsNamePanel)))
        << hasContent(player.shot("whole-no-name-" + renderer));
    // "A" is offered: "ACE". The screen repeats a held direction after a
    // tenth of a second: on slow frames a tap's hold could outlast that, so
    // each press is down for one frame (Return arms, then confirms).
    player.burst(XK_Right, 1);
    player.burst(XK_Up, 3);
    player.burst(XK_Right, 1);
    player.burst(XK_Up, 5);
    player.burst(XK_Return, 2);
    // Kept as soon as the name is confirmed, while the table still shows.
    // The presses above take a frame each, some twenty frames, a few
    // seconds at the name entry's rate on a slow, loaded machine.
    EXPECT_TRUE(eventually([&] {
        return run.folder().read("share/Zarnith/zarnith/high.scores").find("name = \"ACE\"") != std::string::npos;
    }, int(10 * player.pace)));
    player.wait(afterScreenChange);
    keep("high-scores", player.capture());
    player.tap(fireKey);
    ASSERT_TRUE(waitForCount(player, "start menu initialized", 2)) << run.logText();
    player.wait(afterScreenChange);
    const WindowImage menuAfterPlay = player.shot("whole-menu-after-" + renderer);
    EXPECT_LT(colourDistance(edgeColour(menuAfterPlay), edgeColour(menuBeforePlay)), sameMenuDistance)
        << edgeColour(menuAfterPlay) << " after play, " << edgeColour(menuBeforePlay) << " before";

    // The table again from the start menu, then "Quit".
    player.choose();          // "PRESS START"
    player.tap(XK_Down, 2);   // High scores
    player.choose();
    ASSERT_TRUE(waitForCount(player, "start highscores", 2, 10)) << run.logText();
    EXPECT_TRUE(hasContent(player.shot("whole-table-" + renderer)));
    player.back();
    player.tap(XK_Down, 2);   // Quit
    player.choose();
    player.tap(XK_Down);      // Yes, under the question
    player.choose();
    EXPECT_EQ(player.waitForEnd(), 0) << run.logText();

    expectDistinct(screens);
    EXPECT_NE(run.folder().read("share/Zarnith/zarnith/high.scores").find("name = \"ACE\""), std::string::npos)
        << run.folder().read("share/Zarnith/zarnith/high.scores");
    EXPECT_EQ(run.logText().find("[ERROR] "), std::string::npos) << run.logText();
}

INSTANTIATE_TEST_SUITE_P(Renderers, ProgramWholeGame, ::testing::Values("D3D9", "D3D11"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
