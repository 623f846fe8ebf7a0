// Reading "gamebox.players" into the players library.
#include "data/PlayersReader.h"

#include "combat/Player.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class PlayersReaderTest : public ::testing::Test {
protected:
    ~PlayersReaderTest() override
    {
        for (auto& entry : players)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.players", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadPlayersGamebox("gamebox.players", "GAMERSC", players);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, Player*> players;
};

TEST_F(PlayersReaderTest, TopLevelPlayersBecomeDefinitionsAndALaterNameReplaces)
{
    read(R"(<player playerName="A" meshName="first.mesh"/>
            <player playerName="B"/>
            <player playerName="A" meshName="second.mesh"/>
            <Player playerName="C"/>
            <ships><player playerName="D"/></ships>)");
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players.at("A")->meshName, "second.mesh");
    for (const auto& entry : players) {
        EXPECT_EQ(entry.second->playerName, entry.first);
        EXPECT_EQ(entry.second->isLibraryDefinition, 1);
    }
}

TEST_F(PlayersReaderTest, AMissingFileLeavesTheLibraryAndAMalformedOneLogsItsLine)
{
    auto* kept = new Player();
    players["kept"] = kept;
    loadPlayersGamebox("gamebox.players", "GAMERSC", players);
    EXPECT_EQ(players.size(), 1u);
    read(R"(<player playerName="A"/><player playerName="B")");
    EXPECT_EQ(players.size(), 1u);
    EXPECT_EQ(players.at("kept"), kept);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.players (Error creating tinyxml2::XMLDocument)"}));
}

} // namespace
