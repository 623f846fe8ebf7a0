// The sample game's own data files, as built into its archives: its
// libraries and texts read without a failure and name only what it has.
#include "app/SoundDefinition.h"
#include "combat/Player.h"
#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "combat/rotor.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/LocalizationReader.h"
#include "data/pictureDefinition.h"
#include "data/SampleArchive.h"
#include "platform/sound/SoundBank.h"
#include "world/Waypoint.h"
#include "world/sfxDefinition.h"
#include "support/LogCapture.h"
#include "support/ParticleTemplates.h"
#include "support/ResourceGroupScope.h"
#include "world/WorldTestScene.h"

#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreStringConverter.h>
#include <boost/filesystem.hpp>
#include <gtest/gtest.h>
#include <rapidxml/rapidxml.hpp>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>

namespace {

// The names of the sub-sounds of every bank, and the loose sound files.
std::set<std::string> soundsOfTheGame()
{
    std::set<std::string> names;
    for (const char* bank : {"musics.tzn", "sounds.tzn", "sounds3D.tzn", "pauseSound.tzn"}) {
        auto file = platform::BankFile::open(platform::openSoundData(sampleGameDir + "data/Sounds/" + bank), "Murdane7");
        if (file)
            for (const platform::BankEntry& entry : file->entries())
                names.insert(entry.name);
    }
    for (boost::filesystem::directory_iterator entry(sampleGameDir + "data/Sounds/SoundFX"), end; entry != end; ++entry)
        names.insert(entry->path().filename().string());
    return names;
}

// The names a script of the "data" archive defines with the keyword.
// Whether a PNG file carries alpha: grey or colour with alpha, or a palette
// with transparent entries.
bool pngHasAlpha(const std::string& file)
{
    const std::size_t colourTypeAt = 25;
    const int colourType = file.at(colourTypeAt);
    return colourType == 4 || colourType == 6 || file.find("tRNS") != std::string::npos;
}

// Whether a sound is made: a loose file, or a bank entry under its base name.
bool isMade(const std::set<std::string>& sounds, const std::string& sound)
{
    return sounds.count(sound) || sounds.count(sound.substr(0, sound.rfind('.')));
}

// Whether the wave flies a copy of one of the game's waypoint paths.
bool fliesAPathOf(const Wave& wave, const std::map<std::string, Wave*>& paths)
{
    return std::any_of(paths.begin(), paths.end(), [&wave](const auto& entry) {
        const std::vector<Waypoint*>& path = entry.second->waypoints;
        return path.size() == wave.waypoints.size()
               && std::equal(path.begin(), path.end(), wave.waypoints.begin(), [](const Waypoint* a, const Waypoint* b) {
                      return a->position == b->position && a->speed == b->speed && a->waitDuration == b->waitDuration
                             && a->isChangeWeaponSet == b->isChangeWeaponSet && a->weaponSetShoot == b->weaponSetShoot;
                  });
    });
}

// The size of a mesh of "game.tzn", read without a render system.
Ogre::Vector3 sampleMeshSize(const std::string& name)
{
    // Mesh buffers need a hardware buffer manager, which the test scene makes.
    const WorldTestScene buffers;
    std::string bytes = sampleArchiveText("game.tzn", name);
    Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
    Ogre::MeshPtr mesh = meshes.createManual("sample_" + name, "General");
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&bytes[0], bytes.size()));
    Ogre::MeshSerializer().importMesh(stream, mesh.get());
    const Ogre::Vector3 size = mesh->getBounds().getSize();
    // A manual mesh never counts as loaded, so removing it frees none of what
    // the import made.
    while (mesh->getNumSubMeshes() > 0)
        mesh->destroySubMesh(0);
    delete mesh->sharedVertexData;
    mesh->sharedVertexData = nullptr;
    meshes.remove(mesh);
    return size;
}

class SampleGameData : public ::testing::Test {
protected:
    SampleGameData()
    {
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        createResourceGroupOnce("Media");
        createResourceGroupOnce("GAMERSC");
        resources.addResourceLocation(sampleGameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(sampleGameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = sampleGameDir;
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
    // The scripts' templates, as the game has them when it loads its data.
    ParticleTemplates templatesOfTheGame{sampleParticleTemplateNames()};
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

// The sample's game file, read as the program reads it: the level list with
// its log lines in order, and chosen settings of every kind of section equal
// to what the file says.
TEST_F(SampleGameData, TheGameFileFillsTheLevelListAndTheSettingsItWrites)
{
    load();
    std::vector<std::string> levels;
    for (const gameFileEntry* level : game.levels)
        levels.push_back(level->name);
    EXPECT_EQ(levels, (std::vector<std::string>{"Level01", "Level02", "Level03"}));
    auto next = log.lines.begin();
    for (const char* line : {"will read the level list", "added Level01", "added Level02", "added Level03",
                             "added Level04", "levelLevelLostdo not exist", "game read", "start menu read"}) {
        next = std::find(next, log.lines.end(), line);
        ASSERT_NE(next, log.lines.end()) << "missing or out of order: " << line;
    }
    EXPECT_EQ(game.gameName, "Skyward");
    EXPECT_EQ(game.gameModes.at(0).difficulties.size(), 3u);
    EXPECT_EQ(game.playerNames, (std::vector<std::string>{"PlayerDefault01", "PlayerSprite01"}));

    const std::string text = sampleArchiveText("game.tzn", "Skyward.game");
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    rapidxml::xml_document<char> document;
    document.parse<0>(copy.data());
    using Ogre::StringConverter;
    const struct {
        const char* section;
        const char* attribute;
        std::function<bool(const std::string& text)> matches;
    } rows[] = {
        {"VERSION", "versionNumber", [&](const std::string& t) { return game.versionNumber == t; }},
        {"GAMEPLAY", "continues", [&](const std::string& t) { return game.continues == StringConverter::parseInt(t); }},
        {"GAMEPLAY", "maxSmartBombs",
         [&](const std::string& t) { return game.maxSmartBombs == StringConverter::parseInt(t); }},
        {"GAMEPLAY", "smartItemName", [&](const std::string& t) { return game.smartItemName == t; }},
        {"GAMEPLAY", "extendEvery", [&](const std::string& t) { return game.extendEvery == StringConverter::parseInt(t); }},
        {"GAMEPLAY", "lockMax", [&](const std::string& t) { return game.lockMax == StringConverter::parseInt(t); }},
        {"SCORING", "maxMultiplier",
         [&](const std::string& t) { return game.maxMultiplier == StringConverter::parseInt(t); }},
        {"SCORING", "isChaining", [&](const std::string& t) { return game.isChaining == StringConverter::parseBool(t); }},
        {"GAUGE", "maxGauge", [&](const std::string& t) { return game.maxGauge == StringConverter::parseReal(t); }},
        {"GAUGE", "position",
         [&](const std::string& t) { return game.gaugePosition == StringConverter::parseVector2(t); }},
        {"SOUNDS", "Sound1up", [&](const std::string& t) { return game.Sound1up == t; }},
        {"STARTMENU", "startMenuLogoFontColour",
         [&](const std::string& t) { return game.startMenuLogoFontColour == StringConverter::parseColourValue(t); }},
        {"STARTMENU", "startMenuFontSize",
         [&](const std::string& t) { return game.startMenuFontSize == StringConverter::parseInt(t); }},
        {"GAMEHUD", "gameHUDFontSize",
         [&](const std::string& t) { return game.gameHUDFontSize == int(StringConverter::parseReal(t)); }},
        {"GAMEHUD", "HUD_scorePos",
         [&](const std::string& t) { return game.HUD_scorePos == StringConverter::parseVector2(t); }},
    };
    for (const auto& row : rows) {
        const rapidxml::xml_node<char>* section = document.first_node()->first_node(row.section);
        ASSERT_NE(section, nullptr) << row.section;
        const rapidxml::xml_attribute<char>* attribute = section->first_attribute(row.attribute);
        ASSERT_NE(attribute, nullptr) << row.attribute;
        EXPECT_TRUE(row.matches(attribute->value())) << row.section << " " << row.attribute;
    }
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

TEST_F(SampleGameData, TheShotsNameTexturesEffectsAndTheRibbonMaterialTheGameHas)
{
    load();
    const std::map<std::string, std::string> shots = {{"Shot_Blue", "shotBlue.png"},
                                                       {"Shot_Orange", "shotOrange.jpg"},
                                                       {"Shot_Needle", "shotNeedle.png"},
                                                       {"Shot_SparkTrail", "shotOrange.jpg"},
                                                       {"Shot_Missile", "shotMissile.png"}};
    for (const auto& [name, texture] : shots)
        EXPECT_EQ(game.bulletLibrary.at(name)->meshName, texture);
    EXPECT_FALSE(game.bulletLibrary.at("Shot_Needle")->isSprite || game.bulletLibrary.at("Shot_Missile")->isSprite);
    const std::set<std::string> frontGroups = {"COMMON", "2DSPACEASSETS", "2DGEOMETRYASSETS"};
    for (const auto& [name, definition] : game.bulletLibrary) {
        EXPECT_TRUE(frontGroups.count(definition->group)) << name << " would be turned as a side asset";
        EXPECT_TRUE(groupHolds("GAMERSC", definition->meshName)) << definition->meshName;
    }
    EXPECT_TRUE(groupHolds("Media", "notFoundBullet.jpg"));
    EXPECT_FALSE(log.containsPrefix("[ERROR] Bullet"));

    // One shot is blended by its alpha, another adds its light: the sprite
    // entries choose the material, and the files agree.
    EXPECT_TRUE(game.spriteLibrary.at("shotBlue.png")->hasAlpha);
    EXPECT_TRUE(pngHasAlpha(sampleArchiveText("game.tzn", "shotBlue.png")));
    EXPECT_FALSE(game.spriteLibrary.at("shotOrange.jpg")->hasAlpha);
    EXPECT_EQ(sampleArchiveText("game.tzn", "shotOrange.jpg").substr(0, 2), "\xff\xd8") << "a JPEG, without alpha";

    const std::set<std::string> templates = sampleScriptNames("zarnithEffects.particle", "particle_system");
    for (const char* effect : {"Bullet_Die", "Bullet_Cancel", "Bullet_SparkTrail"}) {
        EXPECT_TRUE(templates.count(effect)) << effect;
        EXPECT_TRUE(game.sfxLibrary.count(effect)) << effect << " is made only when the sfx library holds it";
    }
    EXPECT_TRUE(sampleScriptNames("zarnithEffects.material", "material").count("missileTrail"));
    EXPECT_TRUE(groupHolds("Media", "missileTrail.png"));
}

TEST_F(SampleGameData, TheGunsFireShotsAndShowEffectsAndSoundsTheGameHas)
{
    load();
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    for (const char* gun : {"", "Weapon_empty", "Gun_Single", "Gun_Fan3", "Gun_Fan5", "Gun_Ring", "Gun_Spread",
                            "Gun_Pair", "Gun_Burst", "Gun_Charge", "Gun_Aimed", "Gun_LockOn", "Gun_Ammo", "Gun_Laser",
                            "Gun_Pellet", "Gun_Needle", "Gun_AimedSlow"})
        EXPECT_TRUE(game.weaponLibrary.count(gun)) << gun;
    const Weapon& laser = *game.weaponLibrary.at("Gun_Laser");
    EXPECT_TRUE(laser.isLaser);
    EXPECT_TRUE(pngHasAlpha(sampleArchiveText("game.tzn", game.bulletLibrary.at(laser.meshName)->meshName)));
    EXPECT_EQ(game.weaponLibrary.at("Gun_Pair")->isInFront, 1);

    const std::set<std::string> templates = sampleScriptNames("zarnithEffects.particle", "particle_system");
    const std::set<std::string> sounds = soundsOfTheGame();
    for (const auto& [name, gun] : game.weaponLibrary) {
        if (name.empty())
            continue;
        EXPECT_TRUE(game.bulletLibrary.count(gun->meshName)) << name;
        const std::string trail = gun->sfxType == "Bullet_Trail" ? std::string() : gun->sfxType;
        for (const std::string& effect : {trail, gun->sfxFireName, gun->sfxSmokeName, gun->hotTimerSfx,
                                          gun->chargeSfxReadyName, gun->impactSfxName, gun->laserSfxStartName,
                                          gun->laserSfxEndName})
            EXPECT_TRUE(effect.empty() || (templates.count(effect) && game.sfxLibrary.count(effect)))
                << name << " " << effect;
        for (const std::string& sound : {gun->shot, gun->impactSoundName, gun->chargeSoundName,
                                         gun->chargeSoundReadyName}) {
            // Banks hold their sounds under the base name.
            const bool made = sounds.count(sound) || sounds.count(sound.substr(0, sound.rfind('.')));
            EXPECT_TRUE(sound.empty() || (made && game.soundLibrary.count(sound))) << name << " " << sound;
        }
    }
}

TEST_F(SampleGameData, TheShipsUseMeshesSpritesGunsEffectsAndSoundsTheGameHas)
{
    load();
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    EXPECT_NE(sampleArchiveText("game.tzn", "Skyward.game").find("parentPlayerName=\"PlayerDefault01\""),
              std::string::npos);
    for (const char* ship : {"PlayerDefault01", "PlayerSprite01", "PlayerNotFound"})
        EXPECT_EQ(game.playerLibrary.count(ship), 1u) << ship;
    EXPECT_TRUE(groupHolds("Media", "gui_waypoint.mesh"));
    EXPECT_TRUE(pngHasAlpha(sampleArchiveText("game.tzn", game.aimTextureName)));

    const std::set<std::string> templates = sampleScriptNames("zarnithEffects.particle", "particle_system");
    const std::set<std::string> sounds = soundsOfTheGame();
    for (const auto& [name, ship] : game.playerLibrary) {
        EXPECT_EQ(ship->name, name) << "the play ship takes its definition's name";
        EXPECT_TRUE(groupHolds("GAMERSC", ship->meshName) || groupHolds("Media", ship->meshName)) << name;
        for (const rotor* part : ship->rotors)
            EXPECT_TRUE(groupHolds("GAMERSC", part->meshName)) << name << " " << part->meshName;
        for (const sfxDefinition* effect : ship->sfxDefinitions)
            EXPECT_TRUE(templates.count(effect->sfxName) && game.sfxLibrary.count(effect->sfxName)) << name;
        EXPECT_TRUE(ship->hitParticleName.empty() || templates.count(ship->hitParticleName)) << name;
        EXPECT_TRUE(game.explosionLibrary.count(ship->explosionName)) << name << " " << ship->explosionName;
        for (const std::string& sound : {ship->collisionSound, ship->collisionBulletsSound}) {
            const bool made = sounds.count(sound) || sounds.count(sound.substr(0, sound.rfind('.')));
            EXPECT_TRUE(made && game.soundLibrary.count(sound)) << name << " " << sound;
        }
        for (const auto& set : ship->weaponSets)
            for (const Weapon* gun : set)
                EXPECT_EQ(gun->definition, game.weaponLibrary.at(gun->name)) << name << " " << gun->name;
    }

    const Player& fighter = *game.playerLibrary.at("PlayerDefault01");
    EXPECT_EQ(fighter.rotors.size(), 2u);
    // One set a power-up level, the last the laser, which focus also reaches;
    // each has the lock-on missiles on their own button beside its main guns.
    ASSERT_EQ(fighter.weaponSets.size(), static_cast<std::size_t>(game.maxPlayerPowerUps) + 1);
    EXPECT_EQ(fighter.weaponSets.back().front()->name, "Gun_Laser");
    EXPECT_TRUE(fighter.isFocus);
    EXPECT_EQ(fighter.focusWeaponSet, static_cast<std::int32_t>(fighter.weaponSets.size()) - 1);
    const auto isLockOn = [](const Weapon* gun) { return gun->definition && gun->definition->isLockOn; };
    for (const auto& set : fighter.weaponSets)
        EXPECT_EQ(std::count_if(set.begin(), set.end(), isLockOn), 1);
    EXPECT_NE(game.lockButton, fighter.weaponSets.front().front()->button);
    for (const std::string& sound : {game.lockSoundName, game.lockMaxSoundName})
        EXPECT_TRUE(isMade(sounds, sound) && game.soundLibrary.count(sound)) << sound;
    EXPECT_EQ(fighter.sfxDefinitions.size(), 1u);
    EXPECT_EQ(fighter.type, Player::rotationCrosshair);

    const Player& dart = *game.playerLibrary.at("PlayerSprite01");
    EXPECT_EQ(dart.symmetry, -1);
    EXPECT_EQ(dart.isLayered, 1);
    const pictureDefinition& sheet = *game.spriteLibrary.at(dart.spriteName);
    EXPECT_EQ(sheet.lineColumn, Ogre::Vector2(4.0f, 2.0f));
    EXPECT_FALSE(sheet.animations.empty());
    EXPECT_TRUE(pngHasAlpha(sampleArchiveText("game.tzn", dart.spriteName)));
}

TEST_F(SampleGameData, TheWavesNameOnlyMeshesSpritesGunsPathsEffectsAndSoundsTheGameHas)
{
    load();
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    const std::set<std::string> templates = sampleScriptNames("zarnithEffects.particle", "particle_system");
    const std::set<std::string> sounds = soundsOfTheGame();
    const auto isMesh = [](const std::string& mesh) { return groupHolds("GAMERSC", mesh) || groupHolds("Media", mesh); };
    const auto isEffect = [&](const std::string& effect) {
        return templates.count(effect) && game.sfxLibrary.count(effect);
    };
    std::vector<std::string> lackingTheirMesh;
    for (const auto& [name, wave] : game.waveLibrary) {
        ASSERT_EQ(wave->members.size(), 1u) << name;
        const Enemy& member = *wave->members[0];
        EXPECT_EQ(wave->spawner->scale, Ogre::Vector3::UNIT_SCALE) << name;
        if (!wave->spriteName.empty())
            EXPECT_TRUE(game.spriteLibrary.count(wave->spriteName) && groupHolds("GAMERSC", wave->spriteName)) << name;
        else if (!isMesh(wave->meshName))
            lackingTheirMesh.push_back(name);
        for (const rotor* part : member.rotors)
            EXPECT_TRUE(isMesh(part->meshName)) << name << " " << part->meshName;
        for (const auto& set : member.weaponSets)
            for (const Weapon* gun : set)
                EXPECT_EQ(gun->definition, game.weaponLibrary.at(gun->name)) << name << " " << gun->name;
        EXPECT_TRUE(fliesAPathOf(*wave, game.waypointLibrary)) << name;
        for (const Waypoint* point : wave->waypoints)
            EXPECT_TRUE(point->soundName.empty() || isMade(sounds, point->soundName)) << name;
        for (const sfxDefinition* effect : member.sfxs)
            EXPECT_TRUE(isEffect(effect->sfxName)) << name << " " << effect->sfxName;
        EXPECT_TRUE(wave->startSfxName.empty() || isEffect(wave->startSfxName)) << name;
        EXPECT_TRUE(game.explosionLibrary.count(wave->explosionName)) << name << " " << wave->explosionName;
        EXPECT_TRUE(isMade(sounds, wave->startSoundName) && game.soundLibrary.count(wave->startSoundName)) << name;
        EXPECT_TRUE(wave->itemSpawned.empty() || game.itemLibrary.count(wave->itemSpawned)) << name;
    }
    EXPECT_EQ(lackingTheirMesh, std::vector<std::string>{"Wave_MissingMesh"});
}

TEST_F(SampleGameData, TheWavesShowEveryFormationAndEveryKindOfEnemy)
{
    load();
    ASSERT_EQ(game.waveLibrary.count("Wave0"), 1u);
    std::set<std::uint32_t> formations;
    for (const auto& entry : game.waveLibrary)
        formations.insert(entry.second->spawner->spawnType);
    EXPECT_EQ(formations, (std::set<std::uint32_t>{spawnPoint, spawnArc, spawnRandomBox, spawnGrid, spawnTriangle}));
    const auto member = [this](const char* wave) -> const Enemy& { return *game.waveLibrary.at(wave)->members.at(0); };

    EXPECT_FALSE(member("Wave_DroneLine").rotors.empty());
    EXPECT_FALSE(member("Wave_DroneLine").weaponSets.empty());

    const Wave& saucers = *game.waveLibrary.at("Wave_SaucerArc");
    EXPECT_EQ(saucers.isLayered, 1);
    const pictureDefinition& sheet = *game.spriteLibrary.at(saucers.spriteName);
    EXPECT_EQ(sheet.lineColumn, Ogre::Vector2(4.0f, 1.0f));
    EXPECT_FALSE(sheet.animations.empty());
    EXPECT_TRUE(pngHasAlpha(sampleArchiveText("game.tzn", saucers.spriteName)));

    const Wave& snake = *game.waveLibrary.at("Wave_Snake");
    EXPECT_EQ(member("Wave_Snake").isSnake, 1);
    const std::string snakeBase = snake.meshName.substr(0, snake.meshName.rfind('.'));
    EXPECT_TRUE(groupHolds("GAMERSC", snakeBase + "_BODY.mesh") && groupHolds("GAMERSC", snakeBase + "_TAIL.mesh"));

    const Wave& tanks = *game.waveLibrary.at("Wave_Tank");
    EXPECT_EQ(tanks.type, Wave::typeTank);
    EXPECT_NE(dynamic_cast<const Tank*>(&member("Wave_Tank")), nullptr);
    const std::string tankBase = tanks.meshName.substr(0, tanks.meshName.rfind('.'));
    EXPECT_TRUE(groupHolds("GAMERSC", tankBase + "_TURRET.mesh") && groupHolds("GAMERSC", tankBase + "_CANNON.mesh"));

    // The meshes load, and each has an extent across and along the field (a
    // snake's segments are spaced by their depth).
    for (const std::string& mesh : {game.waveLibrary.at("Wave0")->meshName, snake.meshName,
                                    snakeBase + "_BODY.mesh", snakeBase + "_TAIL.mesh", tanks.meshName,
                                    tankBase + "_TURRET.mesh", tankBase + "_CANNON.mesh", std::string("enemyBoss.mesh")}) {
        const Ogre::Vector3 size = sampleMeshSize(mesh);
        EXPECT_TRUE(size.x > 0.0f && size.z > 0.0f) << mesh;
    }

    const Wave& boss = *game.waveLibrary.at("Wave_Boss");
    EXPECT_EQ(member("Wave_Boss").isBigLifebar, 1);
    EXPECT_EQ(member("Wave_Boss").weaponSets.size(), 2u);
    EXPECT_TRUE(std::any_of(boss.waypoints.begin(), boss.waypoints.end(), [](const Waypoint* point) {
        return point->isChangeWeaponSet && point->weaponSetShoot == 1;
    })) << "the boss changes to its second set on its path";
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
