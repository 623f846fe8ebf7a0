// The sample game's waves placed as a level places them, from the waves
// library, and drawn: a grid of mesh drones and a grid of sprite saucers
// released by their spawner stand on the formation's spots, and a tank's
// turret turns between two frames toward a ship that has moved.
#include "render/LibraryEntry.h"
#include "support/FrameStep.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "app/CameraProjection.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "data/LevelWavesReader.h"
#include "data/XmlFragment.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A level's "enemy" element: an instance of the library wave in a grid of
// 3 x 2 spots, 6 units apart across and 4 down, centred at (0, 0, 2).
std::string gridElement(const std::string& definition)
{
    return R"(<LEVELFILE><enemy waveName="Placed"><toybox parentName=")" + definition + R"("/>
        <Spawner spawnType="3" numberOfSpawns="6" timeBetweenSpawns="0.1" radius="18 8" TimeBeforeSpawn="0"
                 planeNbs="3 2" isGround="true" offset="0" startAngle="0" endAngle="360" OrientationType="0"
                 isKeepFormation="true" isHiddenWhenSleeping="true" startSfxName="none"/>
        <position pos="0 0 2" sca="1 1 1" orient="1 0 0 0" waveOrient="1 0 0 0" symmetry="1"/>
      </enemy></LEVELFILE>)";
}

// The grid's spots, filled from its back row: columns at x -6, 0, 6; rows
// at z 4 and 0.
const std::vector<Ogre::Vector3> gridSpots{{-6.0f, 0.0f, 4.0f}, {0.0f, 0.0f, 4.0f}, {6.0f, 0.0f, 4.0f},
                                           {-6.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {6.0f, 0.0f, 0.0f}};

bool isDrawn(const Ogre::ColourValue& colour)
{
    return colourDistance(colour, Ogre::ColourValue::Black) > colourTolerance;
}

class WaveRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        scene->addLight(Ogre::Vector3::NEGATIVE_UNIT_Y);
        game.loadGameboxes();
        game.buildToybox();
        game.sceneManager = scene->scene;
        game.player = &ship;
    }
    void TearDown() override
    {
        for (Wave* wave : waves) {
            wave->destroyGraphics();
            delete wave;
        }
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.clearLibraries();
    }

    // The level's wave as the level start and build leave it (member 0 on
    // the first spot, the copies built), then every member released.
    Wave& place(const std::string& xml)
    {
        const XmlFragment fragment(xml);
        readLevelWaves(fragment.root(), waves, &play.level, &ship, game.waveLibrary);
        if (waves.empty())
            throw std::runtime_error("the level's wave was not read");
        Wave& wave = *waves.back();
        wave.reset();
        wave.updateMemberTransforms();
        wave.members.front()->createVisuals();
        wave.spawner->buildEnemies();
        wave.members.front()->sceneNode->setVisible(true, true);
        for (std::size_t i = 0; i < wave.members.size(); ++i)
            wave.spawner->update(wave.spawner->timeBetweenSpawns);
        return wave;
    }

    // Each spot drawn, and the middle between neighbours of a row empty.
    void expectOnTheGrid()
    {
        scene->renderFrame();
        for (const Ogre::Vector3& spot : gridSpots)
            EXPECT_TRUE(isDrawn(scene->colourAt(spot))) << "member at " << spot;
        for (const Ogre::Vector3& gap : {Ogre::Vector3(-3.0f, 0.0f, 0.0f), Ogre::Vector3(3.0f, 0.0f, 4.0f),
                                         Ogre::Vector3(0.0f, 0.0f, -4.0f), Ogre::Vector3(0.0f, 0.0f, -7.0f)})
            EXPECT_FALSE(isDrawn(scene->colourAt(gap))) << "nothing at " << gap;
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    CurrentLevel play;
    Player ship;
    std::vector<Wave*> waves;
    LogCapture log;
};

TEST_F(WaveRender, MeshAndSpriteMembersStandOnTheirFormationSpots)
{
    for (const char* definition : {"Wave_DroneGrid", "Wave_SaucerBox"}) {
        SCOPED_TRACE(definition);
        Wave& wave = place(gridElement(definition));
        ASSERT_EQ(wave.members.size(), gridSpots.size());
        expectOnTheGrid();
        scene->keepFrame(definition);
        wave.setVisible(false);
    }
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(WaveRender, TheTankTurretTurnsTowardTheShipBetweenTwoFrames)
{
    Wave& wave = place(R"(<LEVELFILE><enemy waveName="Tanks"><toybox parentName="Wave_Tank"/>
        <position pos="0 0 0" sca="1 1 1" orient="1 0 0 0" waveOrient="1 0 0 0" symmetry="1"/>
      </enemy></LEVELFILE>)");
    auto* tank = dynamic_cast<Tank*>(wave.members.front());
    ASSERT_NE(tank, nullptr);
    ASSERT_NE(tank->turretNode, nullptr);
    tank->isSteering = 1;
    tank->playCamera = scene->camera;
    ship.createSceneNodes(scene->scene);
    ship.status = Player::statusPlaying;

    // The ship straight ahead (-Z, up the screen), then off to the right.
    const auto aimAt = [&](const Ogre::Vector3& at, int frames) {
        worldToScreen(ship.screenPosition, at, *scene->camera);
        for (int i = 0; i < frames; ++i)
            tank->move(frame, {}, &ship);
        scene->renderFrame();
    };
    constexpr int settleFrames = 600;
    aimAt(Ogre::Vector3(0.0f, 0.0f, -50.0f), settleFrames);
    scene->keepFrame("tankAhead");
    const Ogre::Quaternion ahead = tank->turretNode->_getDerivedOrientation();
    std::vector<Ogre::ColourValue> before;
    for (int x = -7; x <= 7; ++x)
        for (int z = -7; z <= 7; ++z)
            before.push_back(scene->colourAt(Ogre::Vector3(x, 0.0f, z)));

    aimAt(Ogre::Vector3(50.0f, 0.0f, 0.0f), settleFrames);
    scene->keepFrame("tankRight");
    const Ogre::Vector3 forwardAhead = ahead * Ogre::Vector3::NEGATIVE_UNIT_Z;
    const Ogre::Vector3 forwardRight = tank->turretNode->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    EXPECT_NEAR(forwardAhead.z, -1.0f, 0.05f) << "the turret faced the ship ahead";
    EXPECT_NEAR(forwardRight.x, 1.0f, 0.05f) << "the turret turned to the ship on the right";
    int changed = 0;
    std::size_t i = 0;
    for (int x = -7; x <= 7; ++x)
        for (int z = -7; z <= 7; ++z)
            changed += colourDistance(before[i++], scene->colourAt(Ogre::Vector3(x, 0.0f, z))) > colourTolerance;
    EXPECT_GT(changed, 0) << "the turned turret is drawn differently";
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

} // namespace
