#include "data/HighScoreReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "data/XmlFile.h"

#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>

#include <boost/filesystem.hpp>

#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace {

const char* const fileName = "high.scores";
const char* const failureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";

// The group to open the file from; empty when neither holds it. Groups are
// strict, so the file is opened from the group that holds it.
std::string groupHolding()
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const char* group : {"Media", "GAMERSC"})
        if (groups.resourceGroupExists(group) && groups.resourceExists(group, fileName))
            return group;
    return std::string();
}

// Absent attributes read as 0 and the empty name.
highScoreRow readRow(const XmlNode& element)
{
    highScoreRow row;
    if (const char* name = attributeText(element, "name"))
        row.name = name;
    Ogre::int64 score = 0;
    if (const char* text = attributeText(element, "score"))
        if (Ogre::StringConverter::parse(text, score))
            row.score = score;
    if (const char* lastLevel = attributeText(element, "lastLevel"))
        row.lastLevel = Ogre::StringConverter::parseInt(lastLevel, 0);
    return row;
}

// What a file gives: the rows of every top-level SCORE element in file
// order, and the first PREFS element's last entered name when it has one.
struct fileScores {
    std::multiset<highScoreRow, highScoreOrder> rows;
    std::optional<std::string> lastName;
};

void readTopLevel(XmlNode& first, fileScores& read)
{
    // Elements of other names are passed over, also a first one (a file
    // edited by hand may begin with PREFS). A table shows its best ten; a
    // file may hold as many rows as it likes, up to the bound of every list.
    const XmlNode& document = *first.parent();
    for (const XmlNode* node : childElements(document, "SCORE"))
        read.rows.insert(readRow(*node));
    const XmlNode* prefs = document.first_node("PREFS");
    if (const char* lastName = prefs ? attributeText(*prefs, "lasName") : nullptr)
        read.lastName = lastName;
}

// A high.scores that is no file (a folder) is in no group's index, and no
// score could ever be saved over it: it is named.
void reportUnusableFile(const Game& game)
{
    if (game.preferenceFolder.empty())
        return;
    const std::string path = game.preferenceFolder + fileName;
    boost::system::error_code error;
    const boost::filesystem::file_status status = boost::filesystem::status(path, error);
    if (boost::filesystem::exists(status) && !boost::filesystem::is_regular_file(status))
        logLineOnce("[ERROR] high-score file is not a file, no score can be kept: " + path);
}

} // namespace

void readHighScores(Game& game)
{
    const std::string group = groupHolding();
    if (group.empty()) {
        reportUnusableFile(game);
        return;
    }
    fileScores read;
    // A file without any element holds no scores.
    if (!readXmlDocument(fileName, group, [&read](XmlNode* first) {
            if (first)
                readTopLevel(*first, read);
        })) {
        logUnusedFile("high-score file", fileName, failureLine);
        return;
    }
    // Emptied only now: a file that fails to parse leaves the table whole.
    game.highScores.rows = std::move(read.rows);
    if (read.lastName)
        game.highScores.lastEnteredName = *read.lastName;
}
