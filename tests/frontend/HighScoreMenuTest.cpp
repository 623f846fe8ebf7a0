// The high-score screen on real overlays without fonts: which scores get a
// name, the name entered with the keys, confirm and cancel, the table it
// leaves, and the viewing-only table of the start menu.
#include "frontend/HighScoreMenu.h"

#include "core/Game.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double frameStep = 0.04;

class HighScoreMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        keyboard._initialize();
        game.keyboard = &keyboard;
        game.shootButton[1] = OIS::KC_X;
        game.startMenuFontSize = 24;
        menu.create(nullptr, nullptr);
    }
    void TearDown() override
    {
        menu.destroy();
        game.keyboard = nullptr;
    }

    // The table's rows: (name, score), highest first.
    void setRows(const std::vector<std::pair<std::string, std::int64_t>>& rows)
    {
        game.highScores.rows.clear();
        for (const auto& [name, score] : rows)
            game.highScores.rows.insert({name, score, 0});
    }

    // Frames with the key held, then one more without it.
    bool frames(int count, SDL_Scancode held = SDL_SCANCODE_UNKNOWN)
    {
        if (held != SDL_SCANCODE_UNKNOWN) {
            keyboard.queueKey(sdlEvents::keyDown(held).key);
            keyboard.capture();
        }
        bool isEnded = false;
        for (int i = 0; i < count; ++i)
            isEnded = menu.update(frameStep) || isEnded;
        if (held != SDL_SCANCODE_UNKNOWN) {
            keyboard.queueKey(sdlEvents::keyUp(held).key);
            keyboard.capture();
            isEnded = menu.update(frameStep) || isEnded;
        }
        return isEnded;
    }

    void tap(SDL_Scancode key) { frames(1, key); }

    std::string caption(const menuButton& entry) const { return entry.labelText ? entry.labelText->text : ""; }

    Game& game = *Game::getSingletonPtr();
    platform::SdlKeyboard keyboard;
    HighScoreMenu menu;
};

TEST_F(HighScoreMenuTest, ScoresFromFirstToTenthPlaceGetAName)
{
    using Rows = std::vector<std::pair<std::string, std::int64_t>>;
    const Rows tenRows = {{"A", 500}, {"B", 400}, {"C", 300}, {"D", 200}, {"E", 100},
                          {"F", 90},  {"G", 80},  {"H", 70},  {"I", 60},  {"J", 50}};
    struct Case {
        Rows rows;
        std::int64_t score;
        bool isEntered;
    };
    const Case cases[] = {
        // An empty table is filled first: 5 is below all ten default rows.
        {{}, 5, false},
        {{}, 10, true},
        {{}, 0, false},
        {{}, 101, true},
        {tenRows, 50, true},
        {tenRows, 49, false},
        {tenRows, 501, true},
    };
    for (const Case& c : cases) {
        setRows(c.rows);
        game.totalScore = c.score;
        menu.start(false);
        EXPECT_EQ(menu.entering, c.isEntered) << c.score << " against " << c.rows.size() << " rows";
        EXPECT_EQ(game.highScores.rows.size(), 10u);
    }
    EXPECT_EQ(caption(*menu.rankEntries[1]), "1ST");
    EXPECT_EQ(caption(*menu.rankEntries[10]), "10TH");
    EXPECT_EQ(caption(*menu.scoreEntries[10]), "50");
}

TEST_F(HighScoreMenuTest, TheKeysEnterANameThatTheTableKeeps)
{
    setRows({});
    game.highScores.lastEnteredName = "";
    game.totalScore = 55;
    menu.start(false);
    frames(60);
    ASSERT_EQ(menu.phase, HighScoreMenu::phaseNameEntry);
    EXPECT_TRUE(menu.namePanelShown);
    EXPECT_EQ(menu.name, "A-----");

    tap(SDL_SCANCODE_UP);
    tap(SDL_SCANCODE_RIGHT);
    tap(SDL_SCANCODE_DOWN);
    tap(SDL_SCANCODE_RIGHT);
    tap(SDL_SCANCODE_RIGHT);
    tap(SDL_SCANCODE_UP);
    EXPECT_EQ(menu.name, "B9-A--");
    EXPECT_EQ(caption(*menu.letterEntries[1]), "9");
    // Cancel while editing deletes; confirm arms, cancel disarms.
    tap(SDL_SCANCODE_X);
    EXPECT_EQ(menu.name, "B9---_");
    tap(SDL_SCANCODE_RETURN);
    EXPECT_TRUE(menu.confirmArmed);
    tap(SDL_SCANCODE_X);
    EXPECT_FALSE(menu.confirmArmed);
    EXPECT_EQ(menu.name, "B9---_");
    tap(SDL_SCANCODE_RETURN);
    tap(SDL_SCANCODE_RETURN);
    EXPECT_FALSE(menu.entering);
    EXPECT_EQ(menu.phase, HighScoreMenu::phaseTable);

    ASSERT_EQ(game.highScores.rows.size(), 10u);
    const highScoreRow& sixth = *std::next(game.highScores.rows.begin(), 5);
    EXPECT_EQ(sixth.name, "B9   _");
    EXPECT_EQ(sixth.score, 55);
    EXPECT_EQ(game.highScores.lastEnteredName, "B9   _");
    EXPECT_EQ(caption(*menu.nameEntries[6]), "B9   _");
    EXPECT_EQ(menu.nameEntries[6]->colourTo, game.HSFontNewScoreColour);
    EXPECT_EQ(menu.nameEntries[5]->colourTo, game.HSFontColour);

    // The table shows 4 s, then fades out for 0.5 s.
    EXPECT_FALSE(frames(95));
    EXPECT_TRUE(frames(20));
    EXPECT_FALSE(menu.tableOverlay->isVisible());
}

TEST_F(HighScoreMenuTest, TheStartMenuViewsTheTableUntilItCloses)
{
    setRows({{"A", 500}});
    game.totalScore = 900;
    menu.start(true);
    EXPECT_FALSE(menu.entering);
    EXPECT_TRUE(menu.tableOverlay->isVisible());
    EXPECT_FALSE(frames(200));
    EXPECT_EQ(menu.phase, HighScoreMenu::phaseNameEntry);
    EXPECT_FALSE(menu.namePanelShown);
    EXPECT_EQ(game.highScores.rows.size(), 1u) << "a short table keeps its size";
    menu.close();
    EXPECT_TRUE(frames(14));
    EXPECT_FALSE(menu.tableOverlay->isVisible());
}

} // namespace
