#include "data/LocalizationReader.h"

#include "core/Game.h"
#include "data/GameFileReader.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class LocalizationReaderTest : public ::testing::Test {
protected:
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    TempFolder media;
    TempFolder gamersc;
    LogCapture log;
    std::map<std::string, std::string> table;
};

} // namespace

TEST_F(LocalizationReaderTest, TagsAddToTheTableAndARepeatedKeyKeepsTheLastText)
{
    table["KEEP"] = "earlier";
    gamersc.write("english_localization.xml",
                  "<L><Tag basis=\"A\">first &amp; best</Tag><Other basis=\"X\">no</Other>"
                  "<Tag basis=\"A\">second</Tag><Tag basis=\"B\">  spaced  </Tag><Tag>no key</Tag></L>");
    ResourceGroupScope::addFolder(media.path(), "Media");
    ResourceGroupScope::addFolder(gamersc.path(), "GAMERSC");
    readLocalizationTags("english_localization.xml", table);

    EXPECT_EQ(table.at("A"), "second");
    EXPECT_EQ(table.at("B"), "  spaced  ");
    EXPECT_EQ(table.at("KEEP"), "earlier");
    EXPECT_EQ(table.count("X"), 0u);
    EXPECT_EQ(table.size(), 3u);
}

TEST_F(LocalizationReaderTest, JapaneseTextIsKeptAsWritten)
{
    media.write("japanese_localization.xml", "<L><Tag basis=\"K\">スタート</Tag></L>");
    ResourceGroupScope::addFolder(media.path(), "Media");
    readLocalizationTags("japanese_localization.xml", table);
    EXPECT_EQ(table.at("K"), "スタート");
}

TEST_F(LocalizationReaderTest, MissingFileChangesNothingAndBrokenFileLogsOneLine)
{
    ResourceGroupScope::addFolder(media.path(), "Media");
    readLocalizationTags("english_localization.xml", table);
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(log.containsPrefix("[DotSceneLoader]"));

    media.write("broken_localization.xml", "<L><Tag basis=\"A\">x</L>");
    Ogre::ResourceGroupManager::getSingleton().destroyResourceGroup("Media");
    ResourceGroupScope::addFolder(media.path(), "Media");
    readLocalizationTags("broken_localization.xml", table);
    EXPECT_TRUE(table.empty());
    EXPECT_TRUE(log.contains("[ERROR] language file does not parse, nothing of it used: broken_localization.xml "
                             "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"));
}

namespace {

// The language file: the Game's language and tables are put back after each test.
class LanguageFileTest : public ::testing::Test {
protected:
    ~LanguageFileTest() override
    {
        game.resetDefaults();
        game.gameName.clear();
        game.languageTables.clear();
        game.defaultTexts.clear();
    }
    void publish()
    {
        ResourceGroupScope::addFolder(gamersc.path(), "GAMERSC");
        log.lines.clear(); // the group's own lines
        log.levels.clear();
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder gamersc;
    LogCapture log;
    Game& game = *Game::getSingletonPtr();
    std::map<std::string, textEntry> texts{{"OLD", textEntry{"old", "old", 3, 0}}};
};

const char* const englishFile = R"(<LOCALIZATION>
  <Font from="ArialBlk64" to="verdana"/>
  <string name="KEY_00000" level="2">Welcome &amp; good luck</string>
  <string name="KEY_00001">  Spaced  </string>
  <string name="">Nameless</string>
  <string>No name at all</string>
  <Other name="KEY_9">Not a string</Other>
  <string name="KEY_00000" level="4">Welcome again</string>
  <Font from="ArialBlk64" to="ArialBlkOutline18"/>
</LOCALIZATION>)";

} // namespace

TEST_F(LanguageFileTest, StringsReplaceTheTableAndFontsGoToTheLanguagesTable)
{
    gamersc.write("english.localization", englishFile);
    publish();
    std::string language = "english";
    readLocalization(game, language, texts);

    EXPECT_EQ(language, "english");
    ASSERT_EQ(texts.size(), 2u);
    const textEntry& welcome = texts.at("KEY_00000");
    EXPECT_EQ(welcome.text, "Welcome again"); // a repeated name keeps the last
    EXPECT_EQ(welcome.sourceText, "Welcome again");
    EXPECT_EQ(welcome.kind, 3);
    EXPECT_EQ(welcome.level, 4);
    EXPECT_EQ(texts.at("KEY_00001").text, "  Spaced  ");
    EXPECT_EQ(texts.at("KEY_00001").level, 0);
    EXPECT_EQ(game.languageTables.at("english"),
              (std::map<std::string, std::string>{{"ArialBlk64", "ArialBlkOutline18"}}));
}

TEST_F(LanguageFileTest, ALanguageWithoutItsFileBecomesDefaultInTheGameAndForTheCaller)
{
    gamersc.write("default.localization", "<L><string name=\"KEY_00000\">Plain</string></L>");
    publish();
    std::string language = "french";
    game.language = "french";
    readLocalization(game, language, texts);
    EXPECT_EQ(language, "default");
    EXPECT_EQ(game.language, "default");
    EXPECT_EQ(texts.at("KEY_00000").text, "Plain");
    EXPECT_EQ(texts.count("OLD"), 0u);
}

TEST_F(LanguageFileTest, WithoutDefaultFileEitherTheTableStaysAsItWas)
{
    publish();
    std::string language = "french";
    readLocalization(game, language, texts);
    EXPECT_EQ(language, "default");
    EXPECT_EQ(texts.count("OLD"), 1u);
}

TEST_F(LanguageFileTest, WithoutTheGamesGroupNothingChanges)
{
    std::string language = "french";
    readLocalization(game, language, texts);
    EXPECT_EQ(language, "french");
    EXPECT_EQ(game.language, "english");
    EXPECT_EQ(texts.count("OLD"), 1u);
}

TEST_F(LanguageFileTest, ASecondFileReplacesTheStringsWhileBothLanguagesKeepTheirFonts)
{
    gamersc.write("default.localization",
                  "<L><Font from=\"a\" to=\"b\"/><string name=\"KEY_00000\">Default</string></L>");
    gamersc.write("japanese.localization", "<L><Font from=\"a\" to=\"c\"/>"
                                           "<string name=\"KEY_00001\" level=\"1\">ようこそ</string></L>");
    publish();
    std::string language = "default";
    readLocalization(game, language, texts);
    language = "japanese";
    readLocalization(game, language, texts);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.at("KEY_00001").text, "ようこそ");
    EXPECT_EQ(game.languageTables.at("default").at("a"), "b");
    EXPECT_EQ(game.languageTables.at("japanese").at("a"), "c");
}

TEST_F(LanguageFileTest, ABrokenFileLeavesTheTableAndLogsOneLine)
{
    gamersc.write("english.localization", "<L><string name=\"KEY_00000\">x</string>");
    publish();
    std::string language = "english";
    readLocalization(game, language, texts);
    EXPECT_EQ(texts.count("OLD"), 1u);
    EXPECT_TRUE(game.languageTables.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] language file does not parse, nothing of it used: "
                                                   "english.localization "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
    EXPECT_EQ(log.levels.front(), Ogre::LML_CRITICAL);
}

TEST_F(LanguageFileTest, TheGameFileReaderReadsTheLanguageFileFirst)
{
    gamersc.write("Trial.game", "<GAMEFILE/>");
    gamersc.write("english.localization", englishFile);
    publish();
    game.defaultTexts = texts;
    readGameFile(game);
    EXPECT_EQ(game.defaultTexts.at("KEY_00000").text, "Welcome again");
    EXPECT_EQ(game.defaultTexts.count("OLD"), 0u);
}
