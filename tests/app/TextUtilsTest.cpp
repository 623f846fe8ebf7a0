#include "app/TextUtils.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <gtest/gtest.h>

#include <set>

TEST(TextUtils, EscapeXmlQuotesReplacesEveryQuote)
{
    EXPECT_EQ(escapeXmlQuotes("say \"hi\""), "say &quot;hi&quot;");
    EXPECT_EQ(escapeXmlQuotes("\"\"\""), "&quot;&quot;&quot;");
    EXPECT_EQ(escapeXmlQuotes("no quotes & <tags>"), "no quotes & <tags>");
}

TEST(TextUtils, FormatTimeMinSecDropsHours)
{
    EXPECT_EQ(formatTimeMinSec("59"), "00:59");
    EXPECT_EQ(formatTimeMinSec("60"), "01:00");
    EXPECT_EQ(formatTimeMinSec("3600"), "00:00");
    EXPECT_EQ(formatTimeMinSec("3725"), "02:05");
    EXPECT_EQ(formatTimeMinSec("610"), "10:10");
    EXPECT_EQ(formatTimeMinSec("not a number"), "00:00");
}

TEST(TextUtils, GroupDigitsInsertsSeparatorsBeforeThePoint)
{
    EXPECT_EQ(groupDigitsComma("1234567"), "1,234,567");
    EXPECT_EQ(groupDigitsComma("1234.5"), "1,234.5");
    EXPECT_EQ(groupDigitsComma("123"), "123");
    EXPECT_EQ(groupDigitsComma("1234"), "1,234");
    EXPECT_EQ(groupDigitsComma(""), "");
    EXPECT_EQ(groupDigitsSpace("1234567"), "1 234 567");
    EXPECT_EQ(groupDigitsPoint("1234567"), "1.234.567");
}

TEST(TextUtils, GroupDigitsDoesNotCountALeadingSign)
{
    EXPECT_EQ(groupDigitsComma("-123"), "-123");
    EXPECT_EQ(groupDigitsComma("-1234567"), "-1,234,567");
    EXPECT_EQ(groupDigitsComma("+1234"), "+1,234");
    EXPECT_EQ(groupDigitsSpace("-123456.75"), "-123 456.75");
}

TEST(TextUtils, FormatThousandsPicksTheSeparatorByStyle)
{
    EXPECT_EQ(formatThousands("1234567", 0), "1 234 567");
    EXPECT_EQ(formatThousands("1234567", 1), "1,234,567");
    EXPECT_EQ(formatThousands("1234567", 2), "1.234.567");
    EXPECT_EQ(formatThousands("1234567", 3), "1234567");
    EXPECT_EQ(formatThousands("1234567", -1), "1234567");
}

TEST(TextUtils, SanitizeFileNameRemovesForbiddenCharactersAndTrailingBlanks)
{
    EXPECT_EQ(sanitizeFileName("a\"b?c*d|e:f<g>h/i"), "abcdefghi");
    EXPECT_EQ(sanitizeFileName("my game\\level 1  "), "my game\\level 1");
    EXPECT_EQ(sanitizeFileName("  lead"), "  lead");
    EXPECT_EQ(sanitizeFileName("name: /"), "name");
    EXPECT_EQ(sanitizeFileName("   "), "");
}

TEST(TextUtils, IncrementNameSuffixCountsUpTheTrailingNumber)
{
    EXPECT_EQ(incrementNameSuffix("enemy"), "enemy1");
    EXPECT_EQ(incrementNameSuffix("enemy09"), "enemy10");
    EXPECT_EQ(incrementNameSuffix("enemy9"), "enemy10");
    EXPECT_EQ(incrementNameSuffix("wave2b3"), "wave2b4");
    EXPECT_EQ(incrementNameSuffix("7"), "78");
    EXPECT_EQ(incrementNameSuffix(""), "1");
    EXPECT_EQ(incrementNameSuffix("x2147483647"), "x2147483648");
}

TEST(TextUtils, WideConversionRoundTripsJapanese)
{
    const std::string narrow = "\xE3\x82\xB9\xE3\x83\x86\xE3\x83\xBC\xE3\x82\xB8 1"; // "ステージ 1"
    const std::wstring wide = toWideString(narrow);
    EXPECT_EQ(wide, std::wstring(L"\u30B9\u30C6\u30FC\u30B8 1"));
    EXPECT_EQ(toNarrowString(wide), narrow);
}

TEST(TextUtils, QuaternionToEulerDegreesGivesPitchYawRoll)
{
    float pitch = 0, yaw = 0, roll = 0;
    quaternionToEulerDegrees(pitch, yaw, roll,
                             Ogre::Quaternion(Ogre::Degree(30), Ogre::Vector3::UNIT_Y));
    EXPECT_NEAR(pitch, 0.0f, 1e-3f);
    EXPECT_NEAR(yaw, 30.0f, 1e-3f);
    EXPECT_NEAR(roll, 0.0f, 1e-3f);

    quaternionToEulerDegrees(pitch, yaw, roll,
                             Ogre::Quaternion(Ogre::Degree(-45), Ogre::Vector3::UNIT_X));
    EXPECT_NEAR(pitch, -45.0f, 1e-3f);
    EXPECT_NEAR(yaw, 0.0f, 1e-3f);

    quaternionToEulerDegrees(pitch, yaw, roll,
                             Ogre::Quaternion(Ogre::Degree(20), Ogre::Vector3::UNIT_Z));
    EXPECT_NEAR(roll, 20.0f, 1e-3f);
}

TEST(TextUtils, GenerateUniqueIdIsDecimalAndDiffersBetweenCalls)
{
    std::set<std::string> ids;
    for (int i = 0; i < 20; ++i) {
        const std::string id = generateUniqueId();
        ASSERT_FALSE(id.empty());
        EXPECT_EQ(id.find_first_not_of("0123456789"), std::string::npos) << id;
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 20u);
}
