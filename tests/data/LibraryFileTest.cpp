// The reading frame every library reader shares: finding the file, parsing
// it, picking its records and reporting a failure.
#include "data/LibraryFile.h"

#include "data/XmlFragment.h"

#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class LibraryFileTest : public ::testing::Test {
protected:
    // The "name" of every record handed over, in order.
    std::vector<std::string> readNames(const char* recordElement = "Picture")
    {
        std::vector<std::string> names;
        readLibraryFile("some/folder/gamebox.pictures", "GAMERSC", recordElement, libraryFailureLine,
                        [&names](const XmlNode& record) { names.push_back(requiredText(record, "name")); });
        return names;
    }
    void publish(const std::string& content)
    {
        folder.write("gamebox.pictures", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear(); // the group's own lines
        log.levels.clear();
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
};

TEST_F(LibraryFileTest, OnlyTopLevelRecordsOfTheExactNameAreHandedOverInFileOrder)
{
    publish("<Picture name=\"a\"/>\n<picture name=\"lower\"/>\n<Pictures name=\"longer\"/>\n"
            "<Other><Picture name=\"nested\"/></Other>\n<Picture name=\"b\" name=\"second\"/>\n"
            "<Picture/>\n<Picture name=\"a\"/>");
    EXPECT_EQ(readNames(), (std::vector<std::string>{"a", "b", "", "a"}));
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(LibraryFileTest, AFileTheGroupLacksOrAMissingGroupIsSkippedWithoutALine)
{
    EXPECT_TRUE(readNames().empty());
    EXPECT_TRUE(log.lines.empty());
    publish("<Picture name=\"a\"/>");
    readLibraryFile("gamebox.sprites", "GAMERSC", "Picture", libraryFailureLine,
                    [](const XmlNode&) { ADD_FAILURE() << "a record of a file that is not there"; });
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(LibraryFileTest, AMalformedFileLogsItsLineAndNamesItselfAndHandsOverNothing)
{
    publish("<Picture name=\"a\"/>\n<Picture name=b/>\n");
    EXPECT_TRUE(readNames().empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.pictures "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
    EXPECT_EQ(log.levels, std::vector<Ogre::LogMessageLevel>{Ogre::LML_CRITICAL});
}

TEST_F(LibraryFileTest, AMissingRequiredAttributeNamesTheFileOnlyWhileItIsRead)
{
    publish("<Picture/>");
    readLibraryFile("gamebox.pictures", "GAMERSC", "Picture", libraryFailureLine,
                    [](const XmlNode& record) { reportedRequiredText(record, "name"); });
    const XmlFragment alone("<Picture/>");
    reportedRequiredText(alone.root(), "name");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] gamebox.pictures: Picture without attribute: name",
                                                   "[ERROR] Picture without attribute: name"}));
}

} // namespace
