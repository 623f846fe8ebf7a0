// The sample game's levels read with the game's own libraries, one after the
// other in one play scene: each builds what its file places and names only
// what the game has, and a level without a file plays the default level.
#include "data/LevelFileScene.h"

#include "core/ResourceAvailability.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/XmlFile.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SampleLevels : public ::testing::Test {
protected:
    SampleLevels()
    {
        sharedTestOverlaySystem();
        const std::string gameDir = std::string(ZARNITH_GAME_DIR) + "/";
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        resources.addResourceLocation(gameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(gameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = gameDir;
        readGameFile(game);
        game.loadGameData();
    }
    ~SampleLevels() override
    {
        files.release();
        game.player = nullptr; // the scene's
        game.shutdown();
        game.resetDefaults();
        game.gameFolder.clear();
        clearMaterialCaches();
    }
    void read(const std::string& levelName)
    {
        readLevelLighting(LevelFile(levelName + ".level"), files.scene.level);
        files.read(levelName + ".level", game.waveLibrary, game.backgroundLibrary, game.itemLibrary);
    }

    Game& game = *Game::getSingletonPtr();
    LevelFileScene files;
};

std::string countLine(const XmlNode& root, const char* element, const char* word)
{
    return "Scene: " + std::to_string(childElements(root, element).size()) + " " + word;
}

TEST_F(SampleLevels, EachLevelBuildsWhatItPlacesFromWhatTheGameHas)
{
    for (const auto& [name, isShadows] : std::map<std::string, bool>{
             {"Level01", false}, {"Level02", true}, {"Level03", true}, {"Level04", false}}) {
        SCOPED_TRACE(name);
        // Through the group: unloading the archive on the side would take it from the group.
        const XmlFragment file(
            Ogre::ResourceGroupManager::getSingleton().openResource(name + ".level", "GAMERSC")->getAsString());
        LogCapture log;
        read(name);
        const Level& level = files.scene.level;
        EXPECT_EQ(files.fileName, name + ".level");
        EXPECT_EQ(level.isShadows, isShadows);
        // Material scripts need a render system, which this scene lacks.
        for (const std::string& line : log.lines)
            EXPECT_TRUE(line.rfind("[ERROR] ", 0) != 0 || line.rfind("[ERROR] template material", 0) == 0) << line;
        ASSERT_GE(log.lines.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(log.lines.end() - 4, log.lines.end()),
                  (std::vector<std::string>{countLine(file.root(), "enemy", "enemies"),
                                            countLine(file.root(), "BG", "backgrounds"),
                                            countLine(file.root(), "triggers", "triggers"),
                                            countLine(file.root(), "sfx", "sfxs")}));
        EXPECT_EQ(files.built.items.size(), childElements(file.root(), "Item").size());
        EXPECT_TRUE(game.soundLibrary.count(level.music)) << level.music;
        for (const skyLayer& sky : files.scene.camera.skyLayers)
            EXPECT_TRUE(sky.textureName.empty() || groupHolds("Media", sky.textureName)) << sky.textureName;
        EXPECT_EQ(files.scene.camera.levelPath.size(), childElements(file.root(), "waypoint").size());
        EXPECT_EQ(level.layerOrder.size(), level.layers.size());

        std::vector<const entity*> placed;
        for (const Wave* wave : files.built.waves) {
            EXPECT_EQ(wave->templateObject, game.waveLibrary.at(wave->name)) << wave->waveName;
            placed.push_back(wave);
        }
        for (const Item* item : files.built.items) {
            EXPECT_EQ(item->templateObject, game.itemLibrary.at(item->parentName)) << item->name;
            placed.push_back(item);
        }
        for (const background* scenery : files.built.backgrounds) {
            EXPECT_EQ(scenery->templateObject, game.backgroundLibrary.at(scenery->parentName)) << scenery->name;
            placed.push_back(scenery);
        }
        for (const entity* object : placed)
            EXPECT_TRUE(level.layers.count(static_cast<std::int32_t>(object->layerId))) << object->name;
    }
    // The boss flies on a layer of its own.
    read("Level03");
    const std::vector<Wave*>& waves = files.built.waves;
    const auto boss = std::find_if(waves.begin(), waves.end(), [](const Wave* wave) { return wave->name == "Wave_Boss"; });
    ASSERT_NE(boss, waves.end());
    EXPECT_EQ((*boss)->layerId, 3u);

    LogCapture log;
    read("LevelLost");
    EXPECT_EQ(files.fileName, "default.level");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Scene: 0 enemies", "Scene: 0 backgrounds", "Scene: 0 triggers",
                                                   "Scene: 0 sfxs"}));
    EXPECT_EQ(files.scene.camera.levelPath.size(), 2u);
}

} // namespace
