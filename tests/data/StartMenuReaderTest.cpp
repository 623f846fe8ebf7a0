// The menu layout reader: screens and entries in document order, the entries
// it drops, renames, moves and adds, and the engine's fallback layout.
#include "data/StartMenuReader.h"

#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "data/MenuEntryNames.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class StartMenuReaderTest : public ::testing::Test {
protected:
    StartMenuReaderTest() { game.gameFolder = "Trial"; }
    ~StartMenuReaderTest() override { gametest::cleanGame(); }

    void publish()
    {
        ResourceGroupScope::addFolder(gameFolder.path(), "GAMERSC");
        ResourceGroupScope::addFolder(mediaFolder.path(), "Media");
    }
    std::vector<std::string> namesOf(const std::string& screen) const { return entryNames(game, screen); }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC", "Media"}};
    TempFolder gameFolder;
    TempFolder mediaFolder;
    LogCapture log;
};

std::string screen(const std::string& name, const std::vector<std::string>& entries)
{
    std::string text = "<MENUSCREEN name=\"" + name + "\">";
    for (const std::string& entry : entries)
        text += "<BUTTON name=\"" + entry + "\" text=\"" + entry + "\" type=\"CHOICE\" fonctionName=\"" + entry + "\"/>";
    return text + "</MENUSCREEN>";
}

using Names = std::vector<std::string>;

} // namespace

TEST_F(StartMenuReaderTest, ScreensKeepTheirEntriesInOrderWithTheLayoutMends)
{
    gameFolder.write("gamebox.startMenu", "<MENU>" +
        screen("GFXMENU", {"RESOLUTION", "FULLSCREEN", "ANTIALIASING", "APPLYGFX"}) +
        screen("CONTROLSMENU", {"C0", "C1", "C2", "C3", "C4", "C5"}) +
        screen("CONTROLSKEYBOARDMENU", {"K0", "K1"}) + R"(
        <MENUSCREEN name="SOUNDMENU" screenSound="menuGo.mp3">
          <BUTTON name="VOLUME" text="Volume" type="SPINNERCHOICE" fonctionName="SOUNDMUSICVOLUME" maxValue="50" step="5"/>
          <OTHER/>
          <BUTTON name="ODD" text="FullScreen" type="spinnerchoice" fonctionName=""/>
          <BUTTON name="WEB" text="Site" type="STARTWEBPAGE" fonctionName="https://example.org/"/>
        </MENUSCREEN>
        <MENUSCREEN name="STARTMENU"><BUTTON name="OLD" text="" type="CHOICE" fonctionName=""/></MENUSCREEN>
        <MENUSCREEN name="STARTMENU"><BUTTON name="NEW" text="" type="CHOICE" fonctionName=""/></MENUSCREEN>
        </MENU>)");
    publish();
    readStartMenu(game, "gamebox.startMenu");

    ASSERT_EQ(game.menuScreens.size(), 5u);
    EXPECT_EQ(namesOf("GFXMENU"), (Names{"FULLSCREEN", "RESOLUTION", "APPLYGFX"}));
    EXPECT_EQ(namesOf("CONTROLSMENU"),
              (Names{"C0", "C1", "C2", "C3", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8", "C4", "C5"}));
    EXPECT_EQ(namesOf("CONTROLSKEYBOARDMENU"), (Names{"K0", "K1", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8"}));
    EXPECT_EQ(namesOf("STARTMENU"), Names{"NEW"});

    const menuEntryDefinition& added = game.menuScreens.at("CONTROLSMENU").entries.at(5);
    EXPECT_EQ(added.text, "Button 6: ");
    EXPECT_EQ(added.type, menuKeyCode);
    EXPECT_EQ(added.fonctionName, "BUTTON6");
    EXPECT_EQ(added.maxValue, 0);

    const menuScreenDefinition& sound = game.menuScreens.at("SOUNDMENU");
    EXPECT_EQ(sound.screenSound, "menuGo.mp3");
    ASSERT_EQ(sound.entries.size(), 3u);
    EXPECT_EQ(sound.entries[0].type, menuSpinnerChoice);
    EXPECT_EQ(sound.entries[0].maxValue, 50);
    EXPECT_EQ(sound.entries[1].text, "Screen mode");
    EXPECT_EQ(sound.entries[1].type, menuDeactivated); // the type's name in another letter case
    EXPECT_EQ(sound.entries[1].maxValue, 100);
    EXPECT_EQ(sound.entries[1].step, 1);
    EXPECT_EQ(sound.entries[2].type, menuStartWebPage);
    // An entry of a type the menu does not know opens a screen: here none.
    EXPECT_TRUE(log.contains("[ERROR] gamebox.startMenu: BUTTON ODD of SOUNDMENU opens a missing screen: "));
    EXPECT_EQ(log.lines.back(), "start menu read");
}

TEST_F(StartMenuReaderTest, EntriesMoveOrJoinOnlyWhereTheLayoutCallsForIt)
{
    const struct {
        const char* screenName;
        Names read;
        Names kept;
    } cases[] = {
        {"GFXMENU", {"FULLSCREEN", "RESOLUTION", "APPLYGFX"}, {"FULLSCREEN", "RESOLUTION", "APPLYGFX"}},
        // Without a resolution entry nothing changes places.
        {"GFXMENU", {"APPLYGFX", "FULLSCREEN"}, {"APPLYGFX", "FULLSCREEN"}},
        {"GFXMENU", {"RESOLUTION", "APPLYGFX"}, {"RESOLUTION", "APPLYGFX"}},
        // The last entry of each name counts.
        {"GFXMENU", {"FULLSCREEN", "RESOLUTION", "FULLSCREEN"}, {"FULLSCREEN", "FULLSCREEN", "RESOLUTION"}},
        {"CONTROLSMENU", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"CONTROLSMENU", {"0", "1", "2", "3", "4", "5", "6", "7", "8"},
         {"0", "1", "2", "3", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8", "4", "5", "6", "7", "8"}},
        {"CONTROLSMENU", {"0", "1", "2", "3"}, {"0", "1", "2", "3", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8"}},
        {"CONTROLSKEYBOARDMENU", {}, {"BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8"}},
        {"CONTROLSKEYBOARDMENU", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
         {"0", "1", "2", "3", "BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8", "4", "5", "6", "7", "8", "9", "10", "11"}},
        {"CONTROLSKEYBOARDMENU", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {"OTHERMENU", {"0"}, {"0"}},
    };
    gameFolder.write("gamebox.startMenu", "");
    publish();
    for (const auto& layout : cases) {
        gameFolder.write("gamebox.startMenu", "<MENU>" + screen(layout.screenName, layout.read) + "</MENU>");
        readStartMenu(game, "gamebox.startMenu");
        EXPECT_EQ(namesOf(layout.screenName), layout.kept) << layout.screenName;
    }
}

TEST_F(StartMenuReaderTest, TheEngineLayoutStandsInForAGameWithoutScreens)
{
    gameFolder.write("gamebox.startMenu", "");
    mediaFolder.write("toybox.startMenu", "<MENU>" + screen("TOYMENU", {"PLAY"}) + "</MENU>");
    publish();
    game.loadGameData();
    EXPECT_EQ(namesOf("TOYMENU"), Names{"PLAY"});

    gameFolder.write("gamebox.startMenu", "<MENU>" + screen("STARTMENU", {"START"}) + "</MENU>");
    game.loadGameData();
    ASSERT_EQ(game.menuScreens.size(), 1u);
    EXPECT_EQ(namesOf("STARTMENU"), Names{"START"});

    // Read after the game's own, the engine's layout replaces it whole.
    readStartMenu(game, "toybox.startMenu");
    ASSERT_EQ(game.menuScreens.size(), 1u);
    EXPECT_EQ(namesOf("TOYMENU"), Names{"PLAY"});
}

TEST_F(StartMenuReaderTest, ALayoutThatDoesNotParseLeavesTheScreensWithOneLine)
{
    gameFolder.write("gamebox.startMenu", "");
    publish();
    game.menuScreens["KEPT"].name = "KEPT";
    for (const char* text : {"<MENU><MENUSCREEN name=\"A\">", "", "<!-- nothing -->"}) {
        gameFolder.write("gamebox.startMenu", text);
        readStartMenu(game, "gamebox.startMenu");
        EXPECT_EQ(game.menuScreens.size(), 1u);
        EXPECT_EQ(game.menuScreens.count("KEPT"), 1u);
    }
    // Named once in a run, however often it is read.
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(),
                         "[ERROR] layout file does not parse, nothing of it used: gamebox.startMenu "
                         "(Error creating tinyxml2::XMLDocument)"),
              1);
    EXPECT_FALSE(log.contains("start menu read"));
}
