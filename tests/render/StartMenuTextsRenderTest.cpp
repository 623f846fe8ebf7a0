// The sample game's start menu, every screen shown in turn by the menu
// itself: the texts Ogre draws for an entry (label, "<", value, ">") stand
// one after the other with a gap, and no two entries of a screen run into
// each other. Starting a game fades every entry out with the screen. Real
// frames on both renderers.
#include "support/DrawnText.h"
#include "support/RenderScene.h"
#include "support/WindowManager.h"

#include "app/OverlayWidget.h"
#include "core/FadeStates.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "data/GameFileReader.h"
#include "frontend/StartMenuState.h"


#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using drawntext::ScreenBox;

constexpr double frameStep = 1.0 / 30.0;
// Enough frames for any screen slide of the sample menu to end.
constexpr int settleFrames = 60;

class Elsewhere : public GameState {};

class StartMenuTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        { const RenderScene first; }
        readGameFile(game);
        game.loadGameData();
        scene = std::make_unique<RenderScene>();
        manager = windowmanager::start(game);
        manager->changeState(&menu);
    }
    void TearDown() override
    {
        if (!manager)
            return;
        windowmanager::stop(manager, elsewhere);
        game.clearLibraries();
        game.resetLevel();
        game.resetDefaults();
        scene.reset();
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            manager->pumpSdlEvents();
            manager->update(frameStep);
            scene->renderFrame();
        }
    }

    Game& game = *Game::getSingletonPtr();
    startMenuState& menu = *startMenuState::getInstance();
    Elsewhere elsewhere;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

// The drawn boxes of an entry's texts, left to right.
std::vector<ScreenBox> entryBoxes(const menuButton& entry)
{
    std::vector<ScreenBox> boxes;
    for (const auto* part : {&entry.labelText, &entry.leftArrowText, &entry.valueText, &entry.rightArrowText})
        if (*part) {
            const ScreenBox box = drawntext::drawnBox(**part);
            if (!box.isEmpty())
                boxes.push_back(box);
        }
    return boxes;
}

TEST_F(StartMenuTexts, EveryScreenDrawsItsTextsApart)
{
    frames(settleFrames);
    ASSERT_GT(menu.screens.size(), 4u);
    std::size_t shownEntries = 0;
    for (const auto& [name, screen] : menu.screens) {
        if (name == startMenuState::highScoresScreenName)
            continue; // the table's own screen: a panel of its own, not menu entries
        menu.hideScreen(false);
        menu.currentScreen = name;
        menu.selectedIndex = 0;
        menu.showScreen(false);
        menu.setScreenZOrder();
        frames(settleFrames);
        scene->keepFrame("StartMenu-texts-" + name);
        std::vector<ScreenBox> lines;
        for (const auto& entry : screen.entries) {
            const std::vector<ScreenBox> parts = entryBoxes(*entry);
            if (parts.empty())
                continue; // not offered on this machine (the pad's screen without a pad)
            ++shownEntries;
            for (std::size_t i = 1; i < parts.size(); ++i)
                EXPECT_LT(parts[i - 1].right, parts[i].left)
                    << name << ": \"" << entry->label << "\" part " << i << " " << parts[i - 1] << " " << parts[i];
            // Entries are stacked: their quads may overlap, their ink not.
            ScreenBox line = drawntext::inkBand(parts.front());
            line.right = parts.back().right;
            for (const ScreenBox& other : lines)
                EXPECT_FALSE(drawntext::overlap(line, other)) << name << ": \"" << entry->label << "\" " << line
                                                              << " runs into " << other;
            lines.push_back(line);
        }
    }
    // The sample's screens hold some fifty entries.
    EXPECT_GT(shownEntries, 40u);
}

TEST_F(StartMenuTexts, StartingAGameFadesEveryEntryToBlack)
{
    frames(settleFrames);
    menu.hideScreen(false);
    menu.currentScreen = startMenuState::mainScreenName;
    menu.showScreen(false);
    menu.setScreenZOrder();
    frames(settleFrames);
    const startMenuScreen& screen = *menu.findScreen(startMenuState::mainScreenName);
    std::vector<ScreenBox> labels;
    for (const auto& entry : screen.entries)
        labels.push_back(drawntext::drawnBox(*entry->labelText));
    // The brightest of the samples along the labels' middles, and the share
    // of bright ones: glyphs, not filled glyph cells, leave dark gaps.
    int bright = 0;
    int samples = 0;
    const auto brightest = [&] {
        float most = 0.0f;
        bright = samples = 0;
        for (const ScreenBox& box : labels)
            for (float x = box.left; x < box.right; x += (box.right - box.left) / 16.0f) {
                const Ogre::ColourValue colour = scene->colourOnScreen(x, (box.top + box.bottom) / 2.0f);
                most = std::max({most, colour.r, colour.g, colour.b});
                bright += std::max({colour.r, colour.g, colour.b}) > 0.5f;
                ++samples;
            }
        return most;
    };
    ASSERT_GT(brightest(), 0.5f) << "the entries are not drawn";
    EXPECT_LT(bright, samples / 2) << "the glyph cells are filled";

    // Start: the screen fades to black; near its end nothing of the menu shows.
    menu.startGame();
    while (game.fadeState == fadingOut && game.fadeRemaining > 0.05 * game.fadeDuration)
        frames(1);
    ASSERT_EQ(game.fadeState, fadingOut);
    scene->keepFrame("StartMenu-texts-fading");
    EXPECT_LT(brightest(), 0.1f);
}

} // namespace
