#include "data/LocalizationReader.h"

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
    EXPECT_TRUE(log.contains("[DotSceneLoader] Error creating tinyxml2::XMLDocument"));
}
