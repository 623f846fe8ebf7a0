// The sample game's drone line from the waves library, placed as a level
// places it and run frame by frame: it starts when the camera sees it,
// releases one member per interval, its members fly their path, and once
// every member is shot down the wave has scored them all and is finished.
#include "combat/WaveScene.h"

#include "data/LevelWavesReader.h"
#include "data/SampleArchive.h"
#include "data/XmlFragment.h"
#include "support/FrameStep.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/TestMeshes.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace wavetest {
namespace {

// Ten seconds of frames: more than the wave needs to start and release all.
constexpr int maxFrames = 600;
// The sample drone line: five drones, one every half second, four life
// points and 150 points each.
constexpr std::size_t droneCount = 5;
constexpr int framesPerInterval = 30; // the half second between releases
constexpr std::int32_t droneLife = 4;
constexpr std::int64_t droneScore = 150;

class SampleWaveRun : public WaveTest {
protected:
    void SetUp() override
    {
        WaveTest::SetUp();
        for (const char* library : {"gamebox.waves", "gamebox.weapons", "gamebox.bullets"})
            libraries.write(library, sampleArchiveText("game.tzn", library));
        ResourceGroupScope::addFolder(libraries.path(), "GAMERSC");
        // Where mesh members' materials are cloned, as start-up makes it.
        createResourceGroupOnce("GAMERSC_materials");
        // Stand-ins: the sample meshes want shader programs this root lacks.
        for (const char* mesh : {"enemyDrone.mesh", "rotorBlade.mesh"}) {
            testmeshes::makeMesh(mesh, {testmeshes::box(Ogre::Vector3(2.0f, 1.0f, 2.0f))});
            game.resourceAvailability[mesh] = true;
        }
        game.gameFolder = ZARNITH_GAME_DIR;
        game.loadGameboxes();
        game.buildToybox();
    }
    void TearDown() override
    {
        WaveTest::TearDown();
        game.clearLibraries();
        game.gameFolder.clear();
    }

    // The drone line as a level's "enemy" element places it at the point,
    // with a path straight across the field, and as the level start and build
    // leave it.
    Wave& placeDroneLine(const Ogre::Vector3& at)
    {
        std::ostringstream xml;
        xml << R"(<LEVELFILE><enemy waveName="Drones"><toybox parentName="Wave_DroneLine"/>
            <Spawner spawnType="0" numberOfSpawns="5" timeBetweenSpawns="0.5" radius="60 30" TimeBeforeSpawn="0"
                     planeNbs="1 1" isGround="true" offset="0" startAngle="0" endAngle="360" OrientationType="0"
                     isKeepFormation="false" isHiddenWhenSleeping="true" startSfxName="none"/>
            <position pos=")" << at.x << ' ' << at.y << ' ' << at.z
            << R"(" sca="1 1 1" orient="1 0 0 0" waveOrient="1 0 0 0" symmetry="1"/>
            <waypoint speed="3"><position pos="0 0 0" Tension="0.5"/></waypoint>
            <waypoint speed="3"><position pos="60 0 0" Tension="0.5"/></waypoint>
            <waypoint speed="3"><position pos="120 0 0" Tension="0.5"/></waypoint>
          </enemy></LEVELFILE>)";
        const XmlFragment fragment(xml.str());
        std::vector<Wave*> read;
        readLevelWaves(fragment.root(), read, &level, &player, game.waveLibrary);
        if (read.size() != 1)
            throw std::runtime_error("the drone line was not read");
        for (Wave* wave : read)
            waves.emplace_back(wave);
        Wave& wave = *waves.back();
        wave.reset();
        wave.updateMemberTransforms();
        wave.members.front()->createVisuals();
        wave.spawner->buildEnemies();
        state.waves.push_back(&wave);
        world.updateTransforms();
        return wave;
    }
    void run(Wave& wave, double seconds)
    {
        for (double done = 0.0; done < seconds - 1e-9; done += frame) {
            wave.update(frame);
            world.updateTransforms();
        }
    }
    static std::size_t released(const Wave& wave)
    {
        return static_cast<std::size_t>(std::count_if(wave.members.begin(), wave.members.end(), [](const Enemy* m) {
            return m->status != Enemy::statusWaitingCopy && m->status != Enemy::statusInactive;
        }));
    }

    TempFolder libraries;
    ResourceGroupScope groups{{"GAMERSC", "GAMERSC_materials"}};
};

TEST_F(SampleWaveRun, TheDroneLineIsReleasedFliesItsPathAndIsScoredWhenShotDown)
{
    Wave& wave = placeDroneLine(inView());
    ASSERT_EQ(wave.members.size(), droneCount);
    EXPECT_EQ(wave.members.front()->life, droneLife);
    EXPECT_FALSE(wave.members.front()->weaponSets.empty()) << "the drone's gun from the library";

    // Seen by the camera, the wave starts and member 0 is out; then one more
    // drone each interval: 30 frames, one more when rounding leaves the timer
    // above 0, and one more for the first (the starting frame does not count).
    int frames = 0;
    while (released(wave) == 0 && frames++ < maxFrames)
        run(wave, frame);
    ASSERT_EQ(released(wave), 1u);
    std::vector<int> gaps;
    int sinceLast = 0;
    while (released(wave) < droneCount && frames++ < maxFrames) {
        const std::size_t before = released(wave);
        run(wave, frame);
        ++sinceLast;
        if (released(wave) == before)
            continue;
        EXPECT_EQ(released(wave), before + 1);
        gaps.push_back(sinceLast);
        sinceLast = 0;
    }
    ASSERT_EQ(gaps.size(), droneCount - 1);
    for (const int gap : gaps) {
        EXPECT_GE(gap, framesPerInterval);
        EXPECT_LE(gap, framesPerInterval + 2);
    }
    const Ogre::Vector3 start = wave.members.front()->sceneNode->_getDerivedPosition();
    run(wave, 1.0);
    const Ogre::Vector3 flown = wave.members.front()->sceneNode->_getDerivedPosition() - start;
    EXPECT_GT(flown.x, 1.0f) << "the first drone flies along its path, across the field";

    for (Enemy* drone : wave.members)
        drone->hit(droneLife, nullptr, 0, drone->sceneNode->_getDerivedPosition(), false);
    run(wave, 3.0);
    EXPECT_EQ(wave.killCount, droneCount);
    for (const Enemy* drone : wave.members)
        EXPECT_NE(drone->status, Enemy::statusAlive);
    EXPECT_GE(game.totalScore, static_cast<std::int64_t>(droneCount) * droneScore);
    EXPECT_EQ(wave.status, Wave::statusFinished);
}

} // namespace
} // namespace wavetest
