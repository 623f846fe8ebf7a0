#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using platform::utf8ToWide;
using platform::wideToUtf8;

namespace {
const wchar_t kReplacement = 0xFFFD;
}

TEST(TextCodec, RoundTripsEveryEncodedLength)
{
    // 1, 2, 3 and 4 bytes: "A", "é", "日本語", U+1F600.
    const std::string narrow = "A\xC3\xA9\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xF0\x9F\x98\x80";
    const std::wstring wide = {L'A', 0xE9, 0x65E5, 0x672C, 0x8A9E, 0x1F600};
    EXPECT_EQ(utf8ToWide(narrow), wide);
    EXPECT_EQ(wideToUtf8(wide), narrow);
    EXPECT_EQ(utf8ToWide(""), L"");
    EXPECT_EQ(wideToUtf8(L""), "");
}

TEST(TextCodec, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(utf8ToWide("a\xFF" "b"), (std::wstring{L'a', kReplacement, L'b'}));
    // A lone continuation byte.
    EXPECT_EQ(utf8ToWide("\x80"), std::wstring(1, kReplacement));
    // Overlong "/" and an encoded surrogate U+D800.
    EXPECT_EQ(utf8ToWide("\xC0\xAF"), std::wstring(2, kReplacement));
    EXPECT_EQ(utf8ToWide("\xED\xA0\x80"), std::wstring(3, kReplacement));
    // Above U+10FFFF.
    EXPECT_EQ(utf8ToWide("\xF4\x90\x80\x80"), std::wstring(4, kReplacement));
}

TEST(TextCodec, CutSequenceBecomesOneReplacementAndDecodingResumes)
{
    // "日" cut after two of its three bytes, at the end and before ASCII.
    EXPECT_EQ(utf8ToWide("x\xE6\x97"), (std::wstring{L'x', kReplacement}));
    EXPECT_EQ(utf8ToWide("\xE6\x97z"), (std::wstring{kReplacement, L'z'}));
    // A cut sequence followed by a complete one keeps the complete one.
    EXPECT_EQ(utf8ToWide("\xF0\x9F\xE6\x97\xA5"), (std::wstring{kReplacement, 0x65E5}));
}

TEST(TextCodec, WideTextOutsideUnicodeBecomesReplacement)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(wideToUtf8(std::wstring{static_cast<wchar_t>(0xD800)}), replacement);
    EXPECT_EQ(wideToUtf8(std::wstring{static_cast<wchar_t>(0xDFFF), L'a'}), replacement + "a");
    EXPECT_EQ(wideToUtf8(std::wstring{static_cast<wchar_t>(0x110000)}), replacement);
    EXPECT_EQ(wideToUtf8(std::wstring{static_cast<wchar_t>(-1)}), replacement);
    EXPECT_EQ(wideToUtf8(std::wstring{static_cast<wchar_t>(0x10FFFF)}), "\xF4\x8F\xBF\xBF");
}
