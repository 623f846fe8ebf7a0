// The sample game's own data files, as built into its archives: its
// libraries and texts read without a failure and name only what it has.
#include "app/SoundDefinition.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/LocalizationReader.h"
#include "data/pictureDefinition.h"
#include "platform/sound/SoundBank.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <set>

namespace {

const std::string gameDir = std::string(ZARNITH_GAME_DIR) + "/";

// The names of the sub-sounds of every bank, and the loose sound files.
std::set<std::string> soundsOfTheGame()
{
    std::set<std::string> names;
    for (const char* bank : {"musics.tzn", "sounds.tzn", "sounds3D.tzn", "pauseSound.tzn"}) {
        auto file = platform::BankFile::open(platform::openSoundData(gameDir + "data/Sounds/" + bank), "Murdane7");
        if (file)
            for (const platform::BankEntry& entry : file->entries())
                names.insert(entry.name);
    }
    for (boost::filesystem::directory_iterator entry(gameDir + "data/Sounds/SoundFX"), end; entry != end; ++entry)
        names.insert(entry->path().filename().string());
    return names;
}

class SampleGameData : public ::testing::Test {
protected:
    SampleGameData()
    {
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        createResourceGroupOnce("Media");
        createResourceGroupOnce("GAMERSC");
        resources.addResourceLocation(gameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(gameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = gameDir;
    }
    ~SampleGameData() override
    {
        game.shutdown();
        game.resetDefaults();
        game.gameFolder.clear();
        game.gameName.clear();
        game.defaultTexts.clear();
        game.languageTables.clear();
        game.localizationTags.clear();
        game.tutorialTags.clear();
        clearMaterialCaches();
    }
    void load()
    {
        readGameFile(game);
        game.loadGameData();
    }

    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    LogCapture log;
    Game& game = *Game::getSingletonPtr();
};

TEST_F(SampleGameData, EveryLibraryReadsWithoutAFailure)
{
    load();
    for (const std::string& line : log.lines)
        EXPECT_EQ(line.find("XMLDocument"), std::string::npos) << line;
    EXPECT_EQ(game.pictureLibrary.at("hudBlink.png")->lineColumn, Ogre::Vector2(2.0f, 1.0f));
    const pictureDefinition& ship = *game.spriteLibrary.at("shipSheet.png");
    EXPECT_EQ(ship.lineColumn, Ogre::Vector2(4.0f, 1.0f));
    EXPECT_TRUE(ship.animations.at("bank")->isDirectional);
    EXPECT_TRUE(game.soundLibrary.at("skyward_theme.ogg")->isMUSIC);
    EXPECT_FLOAT_EQ(game.soundLibrary.at("shot.wav")->volume, 0.5f);
    EXPECT_EQ(materialModule().definitions.at("crate.mesh").size(), 2u);
    EXPECT_EQ(game.waypointLibrary.at("dive")->waypoints.size(), 4u);
    EXPECT_FLOAT_EQ(game.waypointLibrary.at("orbit")->separation, 12.0f);
}

TEST_F(SampleGameData, TheLibrariesNameOnlyTexturesAndSoundsTheGameHas)
{
    load();
    for (const auto* library : {&game.pictureLibrary, &game.spriteLibrary})
        for (const auto& entry : *library)
            EXPECT_TRUE(groupHolds("GAMERSC", entry.first) || groupHolds("Media", entry.first)) << entry.first;
    const std::set<std::string> sounds = soundsOfTheGame();
    for (const auto& entry : game.soundLibrary) {
        const std::string baseName = entry.first.substr(0, entry.first.rfind('.'));
        EXPECT_TRUE(sounds.count(entry.first) || sounds.count(baseName)) << entry.first;
    }
}

TEST_F(SampleGameData, EnglishAndJapaneseHaveTheirTextsUnderTheSameKeys)
{
    std::map<std::string, std::string> english, japanese, englishTutorials, japaneseTutorials;
    readLocalizationTags("english_localization.xml", english);
    readLocalizationTags("japanese_localization.xml", japanese);
    readLocalizationTags("english_tutsLocalization.xml", englishTutorials);
    readLocalizationTags("japanese_tutsLocalization.xml", japaneseTutorials);
    ASSERT_FALSE(english.empty());
    ASSERT_FALSE(englishTutorials.empty());
    for (const auto& [tags, translated] : {std::make_pair(&english, &japanese),
                                           std::make_pair(&englishTutorials, &japaneseTutorials)}) {
        ASSERT_EQ(tags->size(), translated->size());
        for (const auto& [key, text] : *tags)
            EXPECT_NE(translated->at(key), text) << key;
    }
    EXPECT_EQ(japanese.at("KEY_00003"), "ハイスコア");

    std::map<std::string, textEntry> englishStrings, japaneseStrings;
    std::string language = "english";
    readLocalization(game, language, englishStrings);
    language = "japanese";
    readLocalization(game, language, japaneseStrings);
    EXPECT_EQ(language, "japanese");
    ASSERT_FALSE(englishStrings.empty());
    EXPECT_EQ(englishStrings.size(), japaneseStrings.size());
    EXPECT_EQ(japaneseStrings.at("KEY_00002").text, "お見事！");
    EXPECT_EQ(game.languageTables.at("japanese").at("ArialBlk64"), "verdana");
    // The fallback of a language without its own file.
    language = "klingon";
    std::map<std::string, textEntry> defaultStrings;
    readLocalization(game, language, defaultStrings);
    EXPECT_EQ(defaultStrings.at("KEY_00000").text, englishStrings.at("KEY_00000").text);
}

} // namespace
