// Localised text: the lookups with their fallbacks and the making of new keys.
#include "core/Game.h"

#include <gtest/gtest.h>

namespace {

class GameTextTest : public ::testing::Test {
protected:
    ~GameTextTest() override
    {
        game.localizationTags.clear();
        game.languageTables.clear();
        game.defaultTexts.clear();
        game.language = "english";
        game.levelIndex = 0;
    }

    // The key made for a table holding these keys.
    std::string nextKey(std::initializer_list<const char*> keys)
    {
        std::map<std::string, textEntry> table;
        for (const char* key : keys)
            table[key] = textEntry{"text", "text", 3, 0};
        return game.makeTextKey(table);
    }

    Game& game = *Game::getSingletonPtr();
};

TEST_F(GameTextTest, ScreenTextsGiveTheStoredTextEvenEmptyOrElseTheKey)
{
    game.localizationTags = {{"KEY_00001", "START"}, {"BLANK", ""}};
    EXPECT_EQ(game.getText("KEY_00001"), "START");
    EXPECT_EQ(game.getText("BLANK"), "");
    EXPECT_EQ(game.getText("NOT THERE"), "NOT THERE");
}

TEST_F(GameTextTest, LanguageTextsSkipEmptyTextsAndLeaveATableForTheLanguage)
{
    game.language = "japanese";
    EXPECT_EQ(game.getTextForLanguage("ArialBlk64"), "ArialBlk64");
    EXPECT_EQ(game.languageTables.count("japanese"), 1u);
    EXPECT_TRUE(game.languageTables.at("japanese").empty());
    game.languageTables["japanese"] = {{"ArialBlk64", "verdana"}, {"BLANK", ""}};
    EXPECT_EQ(game.getTextForLanguage("ArialBlk64"), "verdana");
    EXPECT_EQ(game.getTextForLanguage("BLANK"), "BLANK");
}

TEST_F(GameTextTest, DefaultTextsGiveTheStoredTextEvenEmptyOrElseTheFallback)
{
    game.defaultTexts["KEY_00000"] = textEntry{"ようこそ", "ようこそ", 3, 0};
    game.defaultTexts["KEY_00001"] = textEntry{};
    EXPECT_EQ(game.getDefaultText("KEY_00000", "fallback"), "ようこそ");
    EXPECT_EQ(game.getDefaultText("KEY_00001", "fallback"), "");
    EXPECT_EQ(game.getDefaultText("KEY_00002", "fallback"), "fallback");
}

TEST_F(GameTextTest, ANewKeyFollowsTheLargestNumberAndIsEnteredEmptyForTheCurrentLevel)
{
    game.levelIndex = 3;
    std::map<std::string, textEntry> table;
    EXPECT_EQ(game.makeTextKey(table), "KEY_00000");
    EXPECT_EQ(game.makeTextKey(table), "KEY_00001");
    ASSERT_EQ(table.size(), 2u);
    const textEntry& made = table.at("KEY_00001");
    EXPECT_EQ(made.text, "");
    EXPECT_EQ(made.sourceText, "");
    EXPECT_EQ(made.kind, 0);
    EXPECT_EQ(made.level, 3);

    EXPECT_EQ(nextKey({"KEY_00000", "KEY_00007"}), "KEY_00008");
    EXPECT_EQ(nextKey({"KEY_00041", "KEY_00007"}), "KEY_00042");
    EXPECT_EQ(nextKey({"KEY_99999"}), "KEY_100000");
    EXPECT_EQ(nextKey({"KEY_123455"}), "KEY_123456");
    EXPECT_EQ(nextKey({"KEY_A12"}), "KEY_00013"); // the digits after the last non-digit
}

TEST_F(GameTextTest, KeysWithoutANumberOfTheirOwnCountAsZero)
{
    EXPECT_EQ(nextKey({"KEY_ABC"}), "KEY_00001");
    EXPECT_EQ(nextKey({"KEY_0000"}), "KEY_00001");
    EXPECT_EQ(nextKey({"KEY_"}), "KEY_00001");
    // Keys shorter than "KEY_" and numbers beyond an int do not throw.
    EXPECT_EQ(nextKey({"", "K", "KEY"}), "KEY_00001");
    EXPECT_EQ(nextKey({"KEY_99999999999999999999", "KEY_00004"}), "KEY_00005");
}

} // namespace
