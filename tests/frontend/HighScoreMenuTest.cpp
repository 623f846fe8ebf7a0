// The high-score screen on real overlays without fonts: which scores get a
// name, from an empty table to a full one, and the ranks the table shows.
#include "frontend/HighScoreMenu.h"

#include "core/Game.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class HighScoreMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        game.startMenuFontSize = 24;
        menu.create(nullptr, nullptr);
    }
    void TearDown() override
    {
        menu.destroy();
    }

    // The table's rows: (name, score), highest first.
    void setRows(const std::vector<std::pair<std::string, std::int64_t>>& rows)
    {
        game.highScores.rows.clear();
        for (const auto& [name, score] : rows)
            game.highScores.rows.insert({name, score, 0});
    }

    std::string caption(const menuButton& entry) const { return entry.labelText ? entry.labelText->text : ""; }

    Game& game = *Game::getSingletonPtr();
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

} // namespace
