// Entering the sample game's first level builds its scene, and leaving takes
// it down: a second visit leaves the scene, the materials and the entities
// just as the first did, with no viewport, Level, ship or physics world left.
#include "support/RenderScene.h"

#include "core/Game.h"
#include "play/playState.h"

#include <OgreFontManager.h>
#include <OgreMaterialManager.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>

namespace {

struct SceneCounts {
    std::size_t nodes = 0;
    std::size_t entities = 0;
    std::size_t materials = 0;
    bool operator==(const SceneCounts& other) const
    {
        return nodes == other.nodes && entities == other.entities && materials == other.materials;
    }
};

std::size_t countNodes(const Ogre::Node& node)
{
    std::size_t count = 1;
    for (const Ogre::Node* child : node.getChildren())
        count += countNodes(*child);
    return count;
}

SceneCounts countScene(Ogre::SceneManager& scene)
{
    SceneCounts counts;
    counts.nodes = countNodes(*scene.getRootSceneNode());
    counts.entities = scene.getMovableObjects("Entity").size();
    auto materials = Ogre::MaterialManager::getSingleton().getResourceIterator();
    counts.materials = static_cast<std::size_t>(std::distance(materials.begin(), materials.end()));
    return counts;
}

TEST(PlayStateEnterRender, LeavingTakesDownWhatEnteringBuilt)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RenderScene scene;
    Game& game = *Game::getSingletonPtr();
    game.loadGameboxes();
    game.buildToybox();
    game.levelName = "Level01";
    if (game.playerName.empty() && !game.playerLibrary.empty())
        game.playerName = game.playerLibrary.begin()->first;
    Ogre::RenderWindow* window = game.renderWindow;
    window->removeAllViewports();

    playState state;
    SceneCounts afterFirst;
    for (int visit = 0; visit < 2; ++visit) {
        state.enter(window);
        EXPECT_EQ(window->getNumViewports(), 2u);
        EXPECT_EQ(game.level, state.level);
        EXPECT_EQ(game.player, state.player);
        EXPECT_FALSE(state.waves.empty());
        EXPECT_NE(state.world, nullptr);
        EXPECT_EQ(state.lastGameMode, -1);

        state.exit();
        EXPECT_EQ(window->getNumViewports(), 0u);
        EXPECT_EQ(game.level, nullptr);
        EXPECT_EQ(game.player, nullptr);
        EXPECT_EQ(state.world, nullptr);
        EXPECT_TRUE(state.waves.empty() && state.triggers.empty() && state.levelEntities.empty());
        EXPECT_EQ(scene.scene->getRootSceneNode()->numChildren(), 1u);
        EXPECT_TRUE(scene.scene->hasSceneNode("CamNode1"));
        EXPECT_EQ(scene.scene->getMovableObjects("Entity").size(), 0u);
        if (visit == 0)
            afterFirst = countScene(*scene.scene);
        else
            EXPECT_TRUE(countScene(*scene.scene) == afterFirst);
    }
    game.clearLibraries();
    // Fonts loaded before play remove their materials when they unload: they
    // must do so before the scene takes away the materials the test made.
    Ogre::FontManager::getSingleton().unloadAll();
}

} // namespace
