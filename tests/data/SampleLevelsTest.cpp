// The sample game's levels read with the game's own libraries, one after the
// other in one play scene: each builds what its file places, names only what
// the game has, and a level without a file plays the engine's default level.
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

const std::string gameDir = std::string(ZARNITH_GAME_DIR) + "/";

class SampleLevels : public ::testing::Test {
protected:
    SampleLevels()
    {
        sharedTestOverlaySystem();
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        resources.addResourceLocation(gameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(gameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = gameDir;
        readGameFile(game);
        game.loadGameData();
    }
    ~SampleLevels() override
    {
        built.release();
        // The ship is the scene's.
        game.player = nullptr;
        game.shutdown();
        game.resetDefaults();
        game.gameFolder.clear();
        game.defaultTexts.clear();
        clearMaterialCaches();
    }

    void read(const std::string& levelName)
    {
        built.release();
        std::string lightingName = levelName + ".level";
        readLevelLighting(lightingName, scene.level);
        built.read(levelName + ".level", game.waveLibrary, game.backgroundLibrary, game.itemLibrary);
    }

    Game& game = *Game::getSingletonPtr();
    PlayerScene scene{std::initializer_list<const char*>{}};
    LevelObjects built{scene};
};

std::size_t countOf(const XmlNode& root, const char* name) { return childElements(root, name).size(); }

TEST_F(SampleLevels, EachLevelBuildsWhatItPlacesFromWhatTheGameHas)
{
    const std::map<std::string, bool> shadows = {
        {"Level01", false}, {"Level02", true}, {"Level03", true}, {"Level04", false}};
    for (const auto& [name, isShadows] : shadows) {
        SCOPED_TRACE(name);
        // Through the group: unloading the archive on the side would take it from the group.
        const std::string text =
            Ogre::ResourceGroupManager::getSingleton().openResource(name + ".level", "GAMERSC")->getAsString();
        const XmlFragment file(text);
        LogCapture log;
        read(name);
        const Level& level = scene.level;
        EXPECT_EQ(built.fileName, name + ".level");
        EXPECT_EQ(level.isShadows, isShadows);
        // Material scripts need a render system, which this scene lacks.
        for (const std::string& line : log.lines)
            EXPECT_TRUE((line.rfind("[ERROR] ", 0) != 0 || line.rfind("[ERROR] template material", 0) == 0) &&
                        line.find("XMLDocument") == std::string::npos)
                << line;
        const std::vector<std::string> counts = {
            "Scene: " + std::to_string(countOf(file.root(), "enemy")) + " enemies",
            "Scene: " + std::to_string(countOf(file.root(), "BG")) + " backgrounds",
            "Scene: " + std::to_string(countOf(file.root(), "triggers")) + " triggers",
            "Scene: " + std::to_string(countOf(file.root(), "sfx")) + " sfxs"};
        ASSERT_GE(log.lines.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(log.lines.end() - 4, log.lines.end()), counts);
        EXPECT_EQ(built.items.size(), countOf(file.root(), "Item"));

        EXPECT_TRUE(game.soundLibrary.count(level.music)) << level.music;
        for (const skyLayer& sky : scene.camera.skyLayers)
            EXPECT_TRUE(sky.textureName.empty() || groupHolds("Media", sky.textureName)) << sky.textureName;
        EXPECT_EQ(scene.camera.levelPath.size(), countOf(file.root(), "waypoint"));
        EXPECT_GE(scene.camera.levelPath.size(), 2u);
        EXPECT_EQ(level.layerOrder.size(), level.layers.size());

        std::vector<const entity*> placed(built.waves.begin(), built.waves.end());
        placed.insert(placed.end(), built.items.begin(), built.items.end());
        placed.insert(placed.end(), built.backgrounds.begin(), built.backgrounds.end());
        for (const Wave* wave : built.waves)
            EXPECT_EQ(wave->templateObject, game.waveLibrary.at(wave->name)) << wave->waveName;
        for (const Item* item : built.items)
            EXPECT_EQ(item->templateObject, game.itemLibrary.at(item->parentName)) << item->name;
        for (const background* scenery : built.backgrounds)
            EXPECT_EQ(scenery->templateObject, game.backgroundLibrary.at(scenery->parentName)) << scenery->name;
        for (const entity* object : placed)
            EXPECT_TRUE(level.layers.count(static_cast<std::int32_t>(object->layerId))) << object->name;
    }
    // The boss flies on a layer of its own.
    read("Level03");
    const auto boss = std::find_if(built.waves.begin(), built.waves.end(), [](const Wave* wave) { return wave->name == "Wave_Boss"; });
    ASSERT_NE(boss, built.waves.end());
    EXPECT_EQ((*boss)->layerId, 3u);
}

TEST_F(SampleLevels, ALevelWithoutAFilePlaysTheEnginesDefaultLevel)
{
    LogCapture log;
    read("LevelLost");
    EXPECT_EQ(built.fileName, "default.level");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Scene: 0 enemies", "Scene: 0 backgrounds", "Scene: 0 triggers",
                                                   "Scene: 0 sfxs"}));
    EXPECT_EQ(scene.camera.levelPath.size(), 2u);
    EXPECT_EQ(scene.level.layerOrder, std::vector<std::int32_t>{0});
}

} // namespace
