// Loading the exported game's libraries in their fixed order, and freeing them.
#include "app/AudioService.h"
#include "app/SoundDefinition.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/GameTestSupport.h"
#include "core/materials/MaterialModule.h"
#include "data/pictureDefinition.h"
#include "support/LogCapture.h"
#include "support/ParticleTemplates.h"
#include "support/SoundFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const pictures = "<Picture name=\"title.png\" screenName=\"Title\"/>";
const char* const sprites = "<Picture name=\"ship.png\" screenName=\"Ship\" lineColumn=\"4 1\"/>";
const char* const bullets = R"(<Bullet name="blue" screenName="Blue" group="COMMON" meshName="blue.png" width="2"
                                      heigth="1" obbwidth="1" obbheigth="1" isSprite="true"/>)";
const char* const sounds = "<SOUND soundName=\"shot.wav\" screenName=\"Shot\" volume=\"0.5\" isSFX=\"true\"/>";
const char* const weapons = "<weapon><name Name=\"Weapon_empty\"/></weapon><weapon><name Name=\"ring\"/></weapon>";
const char* const players = "<player playerName=\"ship\"/>";
const char* const waves = "<enemy waveName=\"Wave0\"/>";
const char* const materials = "<MATERIAL meshName=\"crate.mesh\"><SUBMAT name=\"crate_0\" screenName=\"Side\"/></MATERIAL>";

const std::vector<std::string> loadedLines = {
    "pictures gamebox loaded", "sprites gamebox loaded", "bullets gamebox loaded", "waypoints gamebox loaded",
    "items gamebox loaded", "waves gamebox loaded", "players gamebox loaded", "background gamebox loaded",
    "weapons gamebox loaded",
    "explosions gamebox loaded", "sounds gamebox loaded", "sfx gamebox loaded",
    "materials3D gamebox loaded", "Gameboxes loaded"};

class GameDataTest : public ::testing::Test {
protected:
    GameDataTest() { game.gameFolder = "Trial"; }
    ~GameDataTest() override
    {
        gametest::cleanGame();
        clearMaterialCaches();
    }
    void publish()
    {
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
    }
    void writeAll()
    {
        folder.write("gamebox.pictures", pictures);
        folder.write("gamebox.sprites", sprites);
        folder.write("gamebox.bullets", bullets);
        folder.write("gamebox.sounds", sounds);
        folder.write("gamebox.materials3D", materials);
        folder.write("gamebox.weapons", weapons);
        folder.write("gamebox.players", players);
        folder.write("gamebox.waves", waves);
    }
    // The library lines and parse failures, in the order logged.
    std::vector<std::string> loadingLines() const
    {
        std::vector<std::string> lines;
        std::copy_if(log.lines.begin(), log.lines.end(), std::back_inserter(lines), [](const std::string& line) {
            return line.find("loaded") != std::string::npos || line.find("XMLDocument") != std::string::npos;
        });
        return lines;
    }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
};

TEST_F(GameDataTest, TheLibrariesLoadInTheirOrderEachFollowedByItsLine)
{
    writeAll();
    publish();
    game.noHighScoreSave = true;
    game.autoObbCache["ship.png"] = std::vector<Ogre::Vector2>(8, Ogre::Vector2::ZERO);
    game.loadGameData();
    EXPECT_EQ(loadingLines(), loadedLines);
    EXPECT_FALSE(game.noHighScoreSave);
    EXPECT_TRUE(game.autoObbCache.empty());
    EXPECT_EQ(game.pictureLibrary.at("title.png")->screenName, "Title");
    EXPECT_EQ(game.spriteLibrary.at("ship.png")->lineColumn, Ogre::Vector2(4.0f, 1.0f));
    EXPECT_FLOAT_EQ(game.bulletLibrary.at("blue")->width, 2.0f);
    EXPECT_FLOAT_EQ(game.soundLibrary.at("shot.wav")->volume, 0.5f);
    EXPECT_EQ(materialModule().definitions.at("crate.mesh").at("crate_0").screenName, "Side");
    EXPECT_EQ(game.playerLibrary.at("ship")->isLibraryDefinition, 1);
    EXPECT_EQ(game.waveLibrary.at("Wave0")->isLibraryDefinition, 1);
}

TEST_F(GameDataTest, TheGunsOfLibraryPlayersAndWavesAreBoundToTheWeaponLibraryByName)
{
    writeAll();
    const char* const weaponSets = R"(
        <WEAPONSET name="A"><weapon><toybox parentName="ring"/></weapon></WEAPONSET>
        <WEAPONSET name="B"><weapon><name Name="odd"/><toybox parentName="lost"/>
          <apparence meshName="noShot" sfxFireName="noFlash" sfxSmokeName="none"/><Sound shot="noBang"/></weapon>
        </WEAPONSET>)";
    folder.write("gamebox.players", std::string(R"(<player playerName="ship">)") + weaponSets + "</player>");
    folder.write("gamebox.waves", std::string(R"(<enemy waveName="drones"><Death explosionName="noBoom"/>
                                                 <ITEMS itemSpawned="noItem"/>)") + weaponSets + "</enemy>");
    publish();
    game.programFolder = folder.path(); // banks that hold the guns' and ships' impact sound only
    for (const char* bank : {"sounds.tzn", "sounds3D.tzn", "pauseSound.tzn"}) {
        folder.write(std::string("data/Sounds/") + bank, "");
        soundtest::writeTestBank(folder.path() + "data/Sounds/" + bank, soundtest::bankKey, {{"impact", ""}});
    }
    soundtest::useSilentSoundOutput();
    initSound();
    game.loadGameData();
    game.loadGameData(); // each name that resolves to nothing is named once in a run
    EXPECT_FALSE(loadSound("noBang", false, false, false, false)); // and not again as it is played
    shutdownSound();
    EXPECT_FALSE(log.contains("[ERROR] can't load sound: noBang"));
    std::vector<std::string> missing;
    std::copy_if(log.lines.begin(), log.lines.end(), std::back_inserter(missing),
                 [](const std::string& line) { return line.rfind("[ERROR] can't find ", 0) == 0
                                                      && line.find(" of gamebox.") != std::string::npos; });
    EXPECT_EQ(missing, (std::vector<std::string>{
                           "[ERROR] can't find weapon: lost, named by wave drones of gamebox.waves",
                           "[ERROR] can't find weapon: lost, named by ship ship of gamebox.players",
                           "[ERROR] can't find explosion: noBoom, named by wave drones of gamebox.waves",
                           "[ERROR] can't find item: noItem, named by wave drones of gamebox.waves",
                           "[ERROR] can't find shot: noShot, named by gun odd of wave drones of gamebox.waves",
                           "[ERROR] can't find effect: noFlash, named by gun odd of wave drones of gamebox.waves",
                           "[ERROR] can't find sound: noBang, named by gun odd of wave drones of gamebox.waves",
                           "[ERROR] can't find explosion: explo_small01, named by ship ship of gamebox.players",
                           "[ERROR] can't find shot: noShot, named by gun odd of ship ship of gamebox.players",
                           "[ERROR] can't find effect: noFlash, named by gun odd of ship ship of gamebox.players",
                           "[ERROR] can't find sound: noBang, named by gun odd of ship ship of gamebox.players"}));
    const Player& ship = *game.playerLibrary.at("ship");
    const Enemy& drone = *game.waveLibrary.at("drones")->members.at(0);
    for (const auto* sets : {&ship.weaponSets, &drone.weaponSets}) {
        EXPECT_EQ(sets->at(0).at(0)->definition, game.weaponLibrary.at("ring"));
        EXPECT_EQ(sets->at(1).at(0)->definition, game.weaponLibrary.at("Weapon_empty"));
    }
    game.clearLibraries();
    EXPECT_TRUE(game.weaponLibrary.empty());
    EXPECT_TRUE(game.playerLibrary.empty());
    EXPECT_TRUE(game.waveLibrary.empty());
}

TEST_F(GameDataTest, WithoutAGameFolderNothingIsReadAndOnlyTheLastLineIsLogged)
{
    writeAll();
    publish();
    game.gameFolder.clear();
    game.loadGameData();
    EXPECT_EQ(loadingLines(), std::vector<std::string>{"Gameboxes loaded"});
    EXPECT_TRUE(game.pictureLibrary.empty());
    EXPECT_TRUE(game.soundLibrary.empty());
}

TEST_F(GameDataTest, AMissingLibraryIsSkippedAndItsLineStillLogged)
{
    folder.write("gamebox.pictures", pictures);
    folder.write("gamebox.sounds", sounds);
    publish();
    game.loadGameData();
    EXPECT_EQ(loadingLines(), loadedLines);
    EXPECT_TRUE(game.spriteLibrary.empty());
    EXPECT_EQ(game.pictureLibrary.size(), 1u);
    EXPECT_EQ(game.soundLibrary.size(), 1u);
}

TEST_F(GameDataTest, AMalformedLibraryLogsItsOneLineAndContributesNothing)
{
    writeAll();
    folder.write("gamebox.sounds", std::string(sounds) + "<SOUND soundName=broken/>");
    publish();
    game.loadGameData();
    EXPECT_EQ(loadingLines(), (std::vector<std::string>{
                                  "pictures gamebox loaded", "sprites gamebox loaded", "bullets gamebox loaded",
                                  "waypoints gamebox loaded",
                                  "items gamebox loaded", "waves gamebox loaded", "players gamebox loaded",
                                  "background gamebox loaded",
                                  "weapons gamebox loaded", "explosions gamebox loaded",
                                  "[ERROR] library file does not parse, nothing of it used: gamebox.sounds "
                                  "([DotSceneLoader] Error creating tinyxml2::XMLDocument)",
                                  "sounds gamebox loaded",
                                  "sfx gamebox loaded", "materials3D gamebox loaded", "Gameboxes loaded"}));
    EXPECT_TRUE(game.soundLibrary.empty());
    EXPECT_EQ(game.pictureLibrary.size(), 1u);
    EXPECT_EQ(materialModule().definitions.count("crate.mesh"), 1u);
}

TEST_F(GameDataTest, LoadingRereadsTheSoundVolumesFromTheSettings)
{
    const std::string settings = "[sound]\nmusicVolume = 33\nsfxVolume = 12.7\n";
    gametest::IniFolder ini(&settings);
    publish();
    game.loadGameData();
    EXPECT_EQ(game.musicVolume, 33);
    EXPECT_EQ(game.sfxVolume, 12);
}

TEST_F(GameDataTest, ParticleTemplatesJoinTheSfxLibraryAndEntriesWithoutTemplateOrSheetLeaveIt)
{
    struct presetCase {
        const char* name;
        bool isTemplate;
        bool isLibraryEntry;
        bool isSheet;
        bool isKept;
    };
    const presetCase cases[] = {
        {"sparks", true, false, false, true},
        {"scoreParticles", true, false, false, false},
        {"scoreParticlesGold", true, false, false, false},
        {"multiplierParticles", true, false, false, false},
        {"presetParticle_fire", true, false, false, false},
        {"ParticleNew_draft", true, false, false, false},
        {"none", true, false, false, false},
        {"enemyChain", true, false, false, false},
        {"defaultParticleSystem", true, false, false, false},
        {"trail", true, true, false, true},
        {"presetParticle_own", true, true, false, true},
        {"gone", false, true, false, false},
        {"sheet.png", false, true, true, true},
    };
    std::vector<std::string> templateNames;
    for (const presetCase& c : cases) {
        if (c.isTemplate)
            templateNames.push_back(c.name);
        if (c.isLibraryEntry) {
            auto* entry = new sfxLibraryEntry;
            entry->screenName = "read";
            entry->isAnimatedTexture = c.isSheet ? 1 : 0;
            game.sfxLibrary[c.name] = entry;
        }
    }
    const ParticleTemplates templates(templateNames);
    game.loadParticlePresets();
    game.loadParticlePresets();
    for (const presetCase& c : cases) {
        ASSERT_EQ(game.sfxLibrary.count(c.name), c.isKept ? 1u : 0u) << c.name;
        if (c.isKept) {
            EXPECT_EQ(game.sfxLibrary.at(c.name)->screenName, c.isLibraryEntry ? "read" : c.name) << c.name;
        }
    }
    const sfxLibraryEntry& added = *game.sfxLibrary.at("sparks");
    EXPECT_EQ(added.isAnimatedTexture, 0);
    EXPECT_FLOAT_EQ(added.duration, 1.0f);
    EXPECT_EQ(added.isLocalSpace, 1);
}

TEST_F(GameDataTest, ClearingFreesEveryLibraryAndShutdownDoesToo)
{
    writeAll();
    publish();
    game.loadGameData();
    game.clearLibraries();
    EXPECT_TRUE(game.pictureLibrary.empty());
    EXPECT_TRUE(game.spriteLibrary.empty());
    EXPECT_TRUE(game.bulletLibrary.empty());
    EXPECT_TRUE(game.soundLibrary.empty());
    EXPECT_TRUE(game.playerLibrary.empty());
    EXPECT_TRUE(game.waveLibrary.empty());
    game.loadGameData();
    ASSERT_EQ(game.bulletLibrary.size(), 1u);
    game.shutdown();
    EXPECT_TRUE(game.bulletLibrary.empty());
    EXPECT_TRUE(game.pictureLibrary.empty());
    EXPECT_TRUE(game.soundLibrary.empty());
}

} // namespace
