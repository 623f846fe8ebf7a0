// Entering the sample game's first level builds its scene and starts play,
// and leaving takes it down: a second visit leaves the scene, the materials
// and the entities just as the first did, with no viewport, Level, ship or
// physics world left. The level build remakes only what changed.
#include "support/RenderScene.h"

#include "combat/Wave.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/Trigger.h"
#include "world/background.h"

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

// Play runs, and only triggers that keep a node of their own or test contact
// are left in the scene.
void expectPlayStarted(const playState& state, const Game& game)
{
    EXPECT_EQ(game.gameMode, gameModePlaying);
    int detached = 0;
    for (const Trigger* trigger : state.triggers) {
        if (!trigger->sceneNode)
            continue;
        const bool isDrawn = trigger->type == 2 || trigger->activation_type == 1 || trigger->activation_type == 9;
        EXPECT_EQ(trigger->sceneNode->getParent() != nullptr, isDrawn) << trigger->name;
        detached += isDrawn ? 0 : 1;
    }
    EXPECT_GT(detached, 0);
}

// A restart puts running waves back to waiting.
void expectWavesReset(playState& state, Game& game)
{
    for (Wave* wave : state.waves) {
        wave->status = Wave::statusRunning;
        wave->isStarted = 1;
    }
    state.restartLevel();
    EXPECT_EQ(game.waveCount, static_cast<int>(state.waves.size()));
    for (const Wave* wave : state.waves)
        EXPECT_TRUE(wave->status == Wave::statusIdle && !wave->isStarted) << wave->name;
}

// The mesh backgrounds whose definition is marked (all on a full rebuild)
// get a new mesh; the marks are cleared.
void expectOnlyMarkedBackgroundsRebuilt(Level& level, Game& game)
{
    background* rock = game.backgroundLibrary.at("bg_rock");
    struct Case {
        bool markRock;
        bool rebuildAll;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}}) {
        SCOPED_TRACE(testing::Message() << c.markRock << c.rebuildAll);
        rock->isChanged = c.markRock;
        game.isRebuildAll = c.rebuildAll;
        int meshes = 0;
        for (background* scenery : level.backgrounds)
            if (!scenery->isSprite()) {
                scenery->movableObject->getUserObjectBindings().setUserAny("old", Ogre::Any(true));
                ++meshes;
            }
        ASSERT_EQ(meshes, 3);
        level.build();
        for (background* scenery : level.backgrounds) {
            if (scenery->isSprite())
                continue;
            const bool remade = !scenery->movableObject->getUserObjectBindings().getUserAny("old").has_value();
            EXPECT_EQ(remade, c.rebuildAll || (c.markRock && scenery->templateObject == rock)) << scenery->name;
        }
        EXPECT_FALSE(rock->isChanged);
    }
    game.isRebuildAll = false;
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
        // The first frame's triggers see no wave of the last visit finished.
        EXPECT_EQ(game.finishedWaveCount, 0);
        // Both visits do the same, so that their counts compare.
        expectPlayStarted(state, game);
        expectWavesReset(state, game);
        expectOnlyMarkedBackgroundsRebuilt(*state.level, game);
        // Every wave killed and updated to its end: a count the next visit must not start from.
        for (Wave* wave : state.waves)
            wave->killAll();
        for (int i = 0; i < 100 && game.finishedWaveCount < game.waveCount; ++i)
            state.updateWaves(0.5);
        EXPECT_EQ(game.finishedWaveCount, static_cast<int>(state.waves.size()));

        state.exit();
        // The lights of the last frame drawn are gone with the level.
        EXPECT_TRUE(scene.scene->_getLightsAffectingFrustum().empty());
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
