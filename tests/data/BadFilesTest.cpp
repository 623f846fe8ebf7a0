// Every reader that owns a file, against files it cannot use: each logs one
// "[ERROR] " line naming the file and ending with its fixed failure line,
// and leaves what it fills as it was,
// including a damaged file that holds a whole new record before the damage.
#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "core/materials/MaterialModule.h"
#include "data/BackgroundsReader.h"
#include "data/BulletsReader.h"
#include "data/ExplosionsReader.h"
#include "data/HighScoreReader.h"
#include "data/ItemsReader.h"
#include "data/LocalizationReader.h"
#include "data/Materials3DReader.h"
#include "data/PicturesReader.h"
#include "data/PlayersReader.h"
#include "data/SfxReader.h"
#include "data/SoundsReader.h"
#include "data/WavesReader.h"
#include "data/WaypointsReader.h"
#include "data/WeaponsReader.h"
#include "support/LogCapture.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

const std::string libraryLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";
const std::string gameLine = "Error creating tinyxml2::XMLDocument";
const std::string weaponLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument weapon";
const char* const group = "GAMERSC";

// Reads the file and says what its target holds (the names of its entries).
using Reader = std::function<std::string()>;

template <typename Library>
std::string keysOf(const Library& library)
{
    std::string keys;
    for (const auto& entry : library)
        keys += entry.first + ";";
    return keys;
}

// The record format with its name put in place of the "%".
std::string named(std::string format, const char* name) { return format.replace(format.find('%'), 1, name); }

struct readerCase {
    const char* file;
    const std::string& failureLine;
    // A file the reader uses, with one entry "kept"; the same with "added".
    std::string kept;
    std::string added;
    Reader read;
    // What the scores read from a file without any element, logging
    // nothing (null: such a file fails as a broken one does).
    const char* emptyFileRead = nullptr;
};

class BadFilesTest : public ::testing::Test {
protected:
    ~BadFilesTest() override
    {
        gametest::cleanGame();
        materialModule().definitions.clear();
    }

    std::vector<readerCase> cases()
    {
        Game& g = game;
        const auto library = [&g](auto load, auto member, const char* file) {
            return [&g, load, member, file] {
                load(file, group, g.*member);
                return keysOf(g.*member);
            };
        };
        std::vector<readerCase> rows;
        const auto add = [&rows](const char* file, const std::string& line, const char* format, Reader read,
                                 const char* emptyFileRead = nullptr) {
            rows.push_back({file, line, named(format, "kept"), named(format, "added"), std::move(read), emptyFileRead});
        };
        add("gamebox.pictures", libraryLine, R"(<Picture name="%" screenName="S"/>)",
            library(loadPicturesGamebox, &Game::pictureLibrary, "gamebox.pictures"));
        add("gamebox.bullets", libraryLine,
            R"(<Bullet name="%" screenName="S" meshName="m" width="1" heigth="1" obbwidth="1" obbheigth="1" isSprite="1"/>)",
            library(loadBulletsGamebox, &Game::bulletLibrary, "gamebox.bullets"));
        add("gamebox.waypoints", libraryLine, R"(<WPS name="%" ScreenName="S" WP_GlobalSpeedMult="1"/>)",
            library(loadWaypointsGamebox, &Game::waypointLibrary, "gamebox.waypoints"));
        add("gamebox.items", gameLine, R"(<Item itemName="%"/>)",
            library(loadItemsGamebox, &Game::itemLibrary, "gamebox.items"));
        add("gamebox.waves", libraryLine, R"(<enemy waveName="%"/>)",
            library(loadWavesGamebox, &Game::waveLibrary, "gamebox.waves"));
        add("gamebox.players", gameLine, R"(<player playerName="%"/>)",
            library(loadPlayersGamebox, &Game::playerLibrary, "gamebox.players"));
        add("gamebox.background", gameLine, R"(<BG name="%"/>)",
            library(loadBackgroundGamebox, &Game::backgroundLibrary, "gamebox.background"));
        add("gamebox.weapons", weaponLine, R"(<weapon><name Name="%"/></weapon>)",
            library(loadWeaponsGamebox, &Game::weaponLibrary, "gamebox.weapons"));
        add("gamebox.explosions", libraryLine, R"(<explosion name="%" screenName="S"/>)",
            library(loadExplosionsGamebox, &Game::explosionLibrary, "gamebox.explosions"));
        add("gamebox.sounds", libraryLine, R"(<SOUND soundName="%" screenName="S" volume="1" isSFX="1"/>)",
            library(loadSoundsGamebox, &Game::soundLibrary, "gamebox.sounds"));
        add("gamebox.sfx", libraryLine, R"(<SFX sfxName="%" screenName="S"/>)",
            library(loadSfxGamebox, &Game::sfxLibrary, "gamebox.sfx"));
        add("gamebox.materials3D", libraryLine, R"(<MATERIAL meshName="%"/>)", [] {
            loadMaterials3DGamebox("gamebox.materials3D");
            return keysOf(materialModule().definitions);
        });
        add("high.scores", libraryLine, R"(<SCORE name="%" lastLevel="1" score="5"/>)", [&g] {
            readHighScores(g);
            std::string names;
            for (const highScoreRow& row : g.highScores.rows)
                names += row.name + ";";
            return names;
        }, "");
        add("english.localization", libraryLine, R"(<L><string name="%">text</string></L>)", [this] {
            std::string language = "english";
            readLocalization(game, language, texts);
            return keysOf(texts);
        });
        add("english_localization.xml", libraryLine, R"(<L><Tag basis="%">text</Tag></L>)", [this] {
            readLocalizationTags("english_localization.xml", tags);
            return keysOf(tags);
        });
        return rows;
    }

    void expectFailedRead(const readerCase& row, const std::string& content)
    {
        log.lines.clear();
        log.levels.clear();
        game.reportedLines.clear();
        EXPECT_EQ(row.read(), "kept;") << row.file << " with " << content;
        row.read(); // named once in a run

        const std::string kind = row.file == std::string("high.scores") ? "high-score"
                                 : std::string(row.file).find("locali") != std::string::npos ? "language"
                                                                                              : "library";
        EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] " + kind + " file does not parse, nothing of it used: "
                                                       + row.file + " (" + row.failureLine + ")"}))
            << row.file << " with " << content;
        EXPECT_EQ(log.levels, (std::vector<Ogre::LogMessageLevel>{Ogre::LML_CRITICAL})) << row.file;
    }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, textEntry> texts;
    std::map<std::string, std::string> tags;
};

TEST_F(BadFilesTest, EachReaderLogsItsOneLineAndKeepsWhatItHad)
{
    const std::vector<readerCase> rows = cases();
    for (const readerCase& row : rows)
        folder.write(row.file, row.kept);
    ResourceGroupScope::addFolder(folder.path(), group);
    for (const readerCase& row : rows) {
        ASSERT_EQ(row.read(), "kept;") << row.file;
        const std::string elementless[] = {"", " \n\t", "<!-- only a comment -->", "<?xml version=\"1.0\"?>"};
        for (const std::string& content : elementless) {
            folder.write(row.file, content);
            if (row.emptyFileRead) {
                log.lines.clear();
                EXPECT_EQ(row.read(), row.emptyFileRead) << row.file << " with " << content;
                EXPECT_TRUE(log.lines.empty()) << row.file << " with " << content;
                folder.write(row.file, row.kept);
                row.read();
            } else {
                expectFailedRead(row, content);
            }
        }
        const std::string damaged[] = {"this is no XML",
                                       std::string("\0\x01\x02", 3),
                                       row.added + "<Cut off=\"",
                                       row.added + "<Unquoted value=1/>",
                                       row.added + "text after the elements"};
        for (const std::string& content : damaged) {
            folder.write(row.file, content);
            expectFailedRead(row, content);
        }
        // Listed in its group but gone from the disk: Ogre throws on opening.
        boost::filesystem::remove(folder.path() + row.file);
        expectFailedRead(row, "a vanished file");
    }
}

} // namespace
