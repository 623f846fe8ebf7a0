// The high-score name's rules: the name offered, stepping characters in and
// outside the alphabet, deleting, the stored form and the rank texts.
#include "frontend/HighScoreName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace highscorename;

TEST(HighScoreName, StepsWrapAndUnknownCharactersStepSafely)
{
    struct Case {
        std::string name;
        std::size_t cursor;
        int step;
        std::string expected;
    };
    const Case cases[] = {
        {"A-----", 0, 1, "B-----"},
        {"Z-----", 0, 1, "0-----"},
        {"9-----", 0, 1, "------"},
        {"------", 3, -1, "---9--"},
        {"A-----", 0, -1, "------"},
        // Outside the alphabet: cancel's padding, a blank, a quote.
        {"AB____", 2, 1, "AB-___"},
        {"AB____", 2, -1, "AB9___"},
        {"\"& x<>", 0, -1, "9& x<>"},
        {"\"& x<>", 1, 1, "\"- x<>"},
        // Past the name nothing changes.
        {"ABC", 5, 1, "ABC"},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        stepCharacter(name, c.cursor, c.step);
        EXPECT_EQ(name, c.expected) << c.name << " at " << c.cursor << " step " << c.step;
    }
}

TEST(HighScoreName, OfferedDeletedStoredAndRanked)
{
    const std::pair<std::string, std::string> offered[] = {
        {"", "A-----"}, {"BOB", "BOB---"}, {"ABCDEFGH", "ABCDEF"}, {"AB C", "AB C--"}};
    for (const auto& [last, expected] : offered)
        EXPECT_EQ(offeredName(last), expected) << last;

    const std::tuple<std::string, std::size_t, std::string> deleted[] = {
        {"ABCDEF", 2, "ABDEF_"}, {"ABCDEF", 5, "ABCDE_"}, {"A-----", 0, "-----_"}};
    for (const auto& [name, cursor, expected] : deleted) {
        std::string edited = name;
        deleteCharacter(edited, cursor);
        EXPECT_EQ(edited, expected) << name << " at " << cursor;
    }

    const std::pair<std::string, std::string> stored[] = {
        {"AB-C--", "AB C"}, {"------", ""}, {"A_____", "A_____"}, {"-A----", " A"}};
    for (const auto& [name, expected] : stored)
        EXPECT_EQ(storedName(name), expected) << name;

    const std::pair<int, std::string> ranks[] = {{1, "1ST"}, {2, "2ND"}, {3, "3RD"}, {4, "4TH"}, {10, "10TH"}};
    for (const auto& [rank, expected] : ranks)
        EXPECT_EQ(rankText(rank), expected);
}

} // namespace
