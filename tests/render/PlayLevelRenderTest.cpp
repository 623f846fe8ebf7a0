// The sample game's first level played through the GameManager, as the start
// menu's start action enters it: the camera travels its path, the waves fly,
// enemies fire, triggers act, the level's fog, sky and post effects are on
// and the frames show the level. Leaving and entering again many times
// leaves nothing behind and does not grow the process.
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/ResidentMemory.h"
#include "support/WindowManager.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "play/Level.h"
#include "platform/Random.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Trigger.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCompositorInstance.h>
#include <OgreControllerManager.h>
#include <OgreEntity.h>
#include <OgreFontManager.h>
#include <OgreHighLevelGpuProgramManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreParticleSystem.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreTextureManager.h>

#include <btBulletDynamicsCommon.h>

#include <gtest/gtest.h>


#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double frameStep = 1.0 / 30.0;
constexpr int framesPerSecond = 30;
constexpr unsigned visitSeed = 7;
// A trigger's status while its effect runs.
constexpr std::uint32_t triggerActive = 2;

// The state the manager is in between two visits.
class OutsidePlay : public GameState {};

// The frame as a grid of samples.
using Picture = std::vector<Ogre::ColourValue>;
constexpr int pictureGrid = 32;

// The samples of a square of the screen, from `from` to `to` (0 to 1) on
// both axes.
Picture takePicture(const RenderScene& scene, float from = 0.0f, float to = 1.0f)
{
    Picture picture;
    const float step = (to - from) / pictureGrid;
    for (int row = 0; row < pictureGrid; ++row)
        for (int column = 0; column < pictureGrid; ++column)
            picture.push_back(scene.colourOnScreen(from + (column + 0.5f) * step, from + (row + 0.5f) * step));
    return picture;
}

// The largest spread of a channel over the picture: a black or one-colour
// frame has next to none. (The vignette darkens the edges of every frame:
// the middle of the screen tells.)
float spreadOf(const Picture& picture)
{
    Ogre::ColourValue low(1, 1, 1), high(0, 0, 0);
    for (const Ogre::ColourValue& colour : picture) {
        low = Ogre::ColourValue(std::min(low.r, colour.r), std::min(low.g, colour.g), std::min(low.b, colour.b));
        high = Ogre::ColourValue(std::max(high.r, colour.r), std::max(high.g, colour.g), std::max(high.b, colour.b));
    }
    return colourDistance(high, low);
}

// The share of samples that differ by more than the colour tolerance.
float changedShare(const Picture& a, const Picture& b)
{
    int changed = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        changed += colourDistance(a[i], b[i]) > colourTolerance;
    return static_cast<float>(changed) / static_cast<float>(a.size());
}

std::size_t countNodes(const Ogre::Node& node)
{
    std::size_t count = 1;
    for (const Ogre::Node* child : node.getChildren())
        count += countNodes(*child);
    return count;
}

std::size_t countElements(const Ogre::OverlayContainer& container)
{
    std::size_t count = 1;
    for (const auto& child : container.getChildren()) {
        const auto* inner = dynamic_cast<const Ogre::OverlayContainer*>(child.second);
        count += inner ? countElements(*inner) : 1;
    }
    return count;
}

std::size_t countResources(Ogre::ResourceManager& manager)
{
    std::size_t count = 0;
    for (const auto& resource : manager.getResourceIterator()) {
        static_cast<void>(resource);
        ++count;
    }
    return count;
}

using Counts = std::map<std::string, std::size_t>;

// What the scene and Ogre's managers hold.
Counts countOgreObjects(Ogre::SceneManager& scene)
{
    Counts counts;
    counts["scene nodes"] = countNodes(*scene.getRootSceneNode());
    for (const char* type : {"Entity", "ParticleSystem", "BillboardSet", "BillboardChain", "RibbonTrail",
                             "ManualObject", "Light"})
        counts[type] = scene.getMovableObjects(type).size();
    counts["materials"] = countResources(Ogre::MaterialManager::getSingleton());
    counts["textures"] = countResources(Ogre::TextureManager::getSingleton());
    counts["meshes"] = countResources(Ogre::MeshManager::getSingleton());
    counts["gpu programs"] = countResources(Ogre::HighLevelGpuProgramManager::getSingleton());
    counts["fonts"] = countResources(Ogre::FontManager::getSingleton());
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    for (const auto& overlay : overlays.getOverlayIterator()) {
        ++counts["overlays"];
        for (const Ogre::OverlayContainer* element : overlay.second->get2DElements())
            counts["overlay elements"] += countElements(*element);
    }
    return counts;
}

class PlayLevel : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        game.loadGameboxes();
        game.buildToybox();
        game.levelName = "Level01";
        if (game.playerName.empty() && !game.playerLibrary.empty())
            game.playerName = game.playerLibrary.begin()->first;
        // The player's setting, on as the settings file has it by default.
        game.postFX = true;
        // As the window's set-up at start-up leaves it: the window's shape.
        game.computeAspectRatio();
        manager = windowmanager::start(game);
    }

    void TearDown() override
    {
        if (!manager)
            return;
        windowmanager::stop(manager, outside);
        game.clearLibraries();
        // Fonts loaded in play remove their materials when they unload: they
        // must do so before the scene takes away the materials the test made.
        Ogre::FontManager::getSingleton().unloadAll();
        scene.reset();
    }

    void expectBarAndPopup();
    void enterPlay()
    {
        manager->changeState(&play);
        // Entering seeds the game's dice with the clock; every visit of a
        // run plays the same frames.
        platform::seedRandom(visitSeed);
    }

    // One turn of the main loop: the manager's step, then the frame.
    void runFrame()
    {
        manager->update(frameStep);
        scene->renderFrame();
    }

    Game& game = *Game::getSingletonPtr();
    playState& play = *playState::getInstance();
    OutsidePlay outside;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

// What the run saw of the level's life.
struct PlaySeen {
    bool someWaveRan = false;
    bool someMemberMoved = false;
    bool enemyShotsFlew = false;
    bool someTriggerActed = false;
    std::map<const Enemy*, Ogre::Vector3> firstPlaces;

    void look(const playState& play)
    {
        for (const Wave* wave : play.waves) {
            if (wave->status != Wave::statusRunning)
                continue;
            someWaveRan = true;
            for (const Enemy* member : wave->members) {
                if (member->status != Enemy::statusAlive || !member->sceneNode)
                    continue;
                const Ogre::Vector3 place = member->sceneNode->_getDerivedPosition();
                const auto first = firstPlaces.emplace(member, place).first;
                someMemberMoved = someMemberMoved || first->second.distance(place) > 1.0f;
            }
        }
        enemyShotsFlew = enemyShotsFlew || !play.level->liveEnemyBullets.empty();
        for (const Trigger* trigger : play.triggers)
            someTriggerActed = someTriggerActed || trigger->status == triggerActive;
    }
};

// A hit on a normal enemy shows its bar at half within a frame; a score
// pop-up makes a particle system for each character of "1,234,567".
void PlayLevel::expectBarAndPopup()
{
    Level& level = *play.level;
    game.isOnlyBossLifebar = false;
    game.barAnimationSpeed = 10.0f;
    game.enemyLifebarTextureBack = "black.bmp";
    level.showEnemyLifeBar(10.0f, 5.0f, 10.0f, nullptr, false);
    runFrame();
    ASSERT_NE(level.lifePanel, nullptr);
    EXPECT_TRUE(level.emptyOverlay->isVisible());
    std::string span = level.lifePanel->getParameter("uv_coords");
    Ogre::StringUtil::trim(span);
    EXPECT_EQ(span, "0 0 0.5 1");

    game.scoreFormating = 1;
    const auto free = std::find_if(level.scorePopups.begin(), level.scorePopups.end(),
                                   [](const std::unique_ptr<ScorePopup>& popup) { return !popup->active; });
    ASSERT_NE(free, level.scorePopups.end());
    level.spawnScorePopup(Ogre::Vector3::ZERO, 1234567);
    const ScorePopup& popup = **free;
    EXPECT_TRUE(popup.active);
    for (std::size_t slot = 0; slot < 9; ++slot)
        ASSERT_NE(popup.characterSystems[slot], nullptr) << slot;
    EXPECT_EQ(popup.characterSystems[1]->getMaterialName(), "defaultScore_12");
    EXPECT_EQ(popup.characterSystems[0]->getRenderQueueGroup(), 40 + level.playerLayerIndex);
}

TEST_F(PlayLevel, TheFirstLevelPlaysAndShowsItself)
{
    enterPlay();
    ASSERT_EQ(manager->currentState(), &play);
    EXPECT_EQ(game.gameMode, gameModePlaying);
    // Fog, sky and post effects of the level.
    EXPECT_EQ(scene->scene->getFogMode(), Ogre::FOG_EXP2);
    EXPECT_FLOAT_EQ(scene->scene->getFogDensity(), 0.0015f);
    EXPECT_COLOUR(scene->scene->getFogColour(), Ogre::ColourValue(0.62f, 0.74f, 0.92f));
    ASSERT_EQ(play.camera->activeSkyLayers.size(), 2u);
    EXPECT_EQ(play.camera->activeSkyLayers[1].textureName, "skyClouds.png");
    EXPECT_EQ(play.camera->skyEntity->getSubEntity(0)->getMaterialName().rfind("skybox_layered2", 0), 0u);
    ASSERT_NE(play.level->colourCompositor, nullptr);
    EXPECT_TRUE(play.level->colourCompositor->getEnabled());
    EXPECT_FALSE(play.level->tvCompositor->getEnabled());
    EXPECT_TRUE(Ogre::OverlayManager::getSingleton().getByName("EditorVignette")->isVisible());

    Ogre::SceneNode* rig = scene->scene->getSceneNode("CamNode1");
    const Ogre::Vector3 rigStart = rig->_getDerivedPosition();
    PlaySeen seen;
    std::vector<Picture> pictures;
    std::vector<Picture> middles;
    for (int frame = 1; frame <= 9 * framesPerSecond; ++frame) {
        // The ship is kept out of harm: this run watches the level, not a death.
        play.player->invincibilityTime = 1.0f;
        runFrame();
        seen.look(play);
        if (frame % (3 * framesPerSecond) == 0) {
            pictures.push_back(takePicture(*scene));
            middles.push_back(takePicture(*scene, 0.25f, 0.75f));
            scene->keepFrame("PlayLevel-" + std::to_string(frame / framesPerSecond) + "s");
        }
    }
    EXPECT_EQ(manager->currentState(), &play);
    EXPECT_EQ(game.gameMode, gameModePlaying);
    // The rig flew forward along the path, which heads down -Z.
    EXPECT_LT(rig->_getDerivedPosition().z, rigStart.z - 20.0f);
    EXPECT_TRUE(seen.someWaveRan);
    EXPECT_TRUE(seen.someMemberMoved);
    EXPECT_TRUE(seen.enemyShotsFlew);
    EXPECT_TRUE(seen.someTriggerActed);
    expectBarAndPopup();
    // The next level or a restart: the frame of play leaves and enters again.
    game.setGameState(gameModeNextLevel);
    manager->update(frameStep);
    EXPECT_EQ(manager->currentState(), &play);
    EXPECT_EQ(play.lastGameMode, -1);
    ASSERT_NE(play.level, nullptr);
    EXPECT_EQ(play.level->playClock, 0.0);

    for (std::size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE("picture " + std::to_string(i));
        EXPECT_GT(spreadOf(middles[i]), 0.25f);
        // A few enemies, shots and the sky's drift: a frozen frame changes nowhere.
        if (i > 0) {
            EXPECT_GT(changedShare(pictures[i - 1], pictures[i]), 0.01f);
        }
    }
}

TEST_F(PlayLevel, FiftyVisitsLeaveNothingBehind)
{
    constexpr int visits = 50;
    constexpr int framesPerVisit = 5;
    Counts leftAfterSecond;
    int bodiesOfSecond = 0;
    long residentAfterTenth = 0;
    for (int visit = 1; visit <= visits; ++visit) {
        SCOPED_TRACE("visit " + std::to_string(visit));
        enterPlay();
        for (int frame = 0; frame < framesPerVisit; ++frame)
            runFrame();
        ASSERT_NE(play.world, nullptr);
        const int bodies = play.world->getNumCollisionObjects();
        manager->changeState(&outside);
        EXPECT_EQ(play.world, nullptr);
        EXPECT_EQ(game.level, nullptr);
        const Counts left = countOgreObjects(*scene->scene);
        if (visit == 2) {
            leftAfterSecond = left;
            bodiesOfSecond = bodies;
        } else if (visit > 2) {
            EXPECT_EQ(left, leftAfterSecond);
            EXPECT_EQ(bodies, bodiesOfSecond);
        }
        if (visit == 10)
            residentAfterTenth = residentBytes();
        if (HasFailure())
            return;
    }
    EXPECT_GT(leftAfterSecond.at("scene nodes"), 0u);
    EXPECT_GT(bodiesOfSecond, 0);
    // The sanitizer keeps freed memory aside for a while: its own leak check
    // stands in for this one there.
    if (!isAddressSanitized) {
        EXPECT_LT(residentBytes(), residentAfterTenth * 103 / 100);
    }
}

} // namespace
