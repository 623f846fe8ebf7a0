#include "platform/Locale.h"

#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

const unsigned short japanese = 1041;
const unsigned short english = 1033;

class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
            environment.unset(name);
    }

    ScopedEnvironment environment;
};

TEST_F(LocaleTest, JapaneseLocaleIsJapanese)
{
    environment.set("LANG", "ja_JP.UTF-8");
    EXPECT_EQ(platform::userInterfaceLanguage(), japanese);
    environment.set("LANG", "ja");
    EXPECT_EQ(platform::userInterfaceLanguage(), japanese);
    environment.set("LANG", "jv_ID.UTF-8");
    EXPECT_EQ(platform::userInterfaceLanguage(), english);
}

TEST_F(LocaleTest, FirstNonEmptyVariableDecides)
{
    EXPECT_EQ(platform::userInterfaceLanguage(), english);
    environment.set("LANG", "ja_JP.UTF-8");
    environment.set("LC_MESSAGES", "en_GB.UTF-8");
    EXPECT_EQ(platform::userInterfaceLanguage(), english);

    environment.set("LC_ALL", "ja_JP.eucJP");
    EXPECT_EQ(platform::userInterfaceLanguage(), japanese);

    // An empty variable counts as unset.
    environment.set("LC_ALL", "");
    environment.set("LC_MESSAGES", "");
    EXPECT_EQ(platform::userInterfaceLanguage(), japanese);
}

} // namespace
