// Cost of one 1/60 s frame of 64 live enemies in 8 waves of 8: each wave's
// update (release, path following, spin, wobble, snake bodies, tank turrets
// turning to the ship) and each member's gun cycle. The waves are made as
// the level reader makes them, from library definitions, on a window-less
// play scene, and run untimed until every member is out.
#include "combat/PlayerScene.h"

#include "combat/Enemy.h"
#include "combat/ShotLaunchStep.h"
#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "world/Waypoint.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int waveCount = 8;
constexpr std::uint32_t membersPerWave = 8;
constexpr double frame = 1.0 / 60.0;
// Frames run before timing: enough for every member to be released.
constexpr int warmUpFrames = 120;
constexpr float waveSpacing = 40.0f;
constexpr float pathLength = 400.0f;
constexpr int snakeSegments = 6;
// Long enough that the guns cycle without filling the shot pool.
constexpr float gunWait = 1000.0f;

enum class Kind { flyer, snake, tank };

Kind kindOf(int wave)
{
    const Kind kinds[] = {Kind::flyer, Kind::flyer, Kind::snake, Kind::tank};
    return kinds[wave % 4];
}

std::unique_ptr<Wave> definition(Kind kind)
{
    auto wave = std::make_unique<Wave>("Def");
    wave->isLibraryDefinition = 1;
    wave->type = kind == Kind::tank ? Wave::typeTank : Wave::typeEnemy;
    wave->meshName = "interro.mesh";
    Enemy* member = kind == Kind::tank ? new Tank() : new Enemy();
    member->life = 100;
    member->AnimRot = Ogre::Vector3(0.0f, 20.0f, 5.0f);
    member->sindistance = Ogre::Vector3(3.0f, 0.0f, 2.0f);
    member->isSnake = kind == Kind::snake;
    member->snakeNumber = snakeSegments;
    auto* gun = new Weapon();
    gun->waitBeforeShoot = gun->TimeBetweenSalves = gunWait;
    member->weaponSets.push_back({gun});
    wave->members.push_back(member);
    member->wave = wave.get();
    member->members = &wave->members;
    return wave;
}

class WaveFrameScene {
public:
    WaveFrameScene()
    {
        scene.game.enemyFirePause = 0.0f;
        const Ogre::Camera* camera = scene.camera.playCamera;
        const Ogre::Vector3 front = camera->getDerivedPosition() + camera->getDerivedDirection() * 300.0f;
        for (int i = 0; i < waveCount; ++i)
            add(kindOf(i), front + Ogre::Vector3((static_cast<float>(i) - 3.5f) * waveSpacing, 0.0f, 0.0f));
        scene.world.updateTransforms();
    }
    ~WaveFrameScene()
    {
        for (auto& wave : waves)
            wave->destroyGraphics();
        for (auto& wave : definitions)
            wave->destroyGraphics();
    }
    WaveFrameScene(const WaveFrameScene&) = delete;
    WaveFrameScene& operator=(const WaveFrameScene&) = delete;

    void step()
    {
        const Ogre::Vector3 target = scene.player.sceneNode->_getDerivedPosition();
        // The camera rig stands still: the step's launches open at once.
        ShotLaunchStep launches(scene.level);
        for (auto& wave : waves) {
            wave->update(frame);
            for (Enemy* member : wave->members)
                member->updateShoot(target);
        }
    }
    int liveMembers() const
    {
        int live = 0;
        for (const auto& wave : waves)
            for (const Enemy* member : wave->members)
                live += member->status == Enemy::statusAlive;
        return live;
    }

    PlayerScene scene{"plane1U.mesh", "interro.mesh"};

private:
    void add(Kind kind, const Ogre::Vector3& at)
    {
        definitions.push_back(definition(kind));
        Wave& source = *definitions.back();
        waves.push_back(std::make_unique<Wave>(""));
        Wave& wave = *waves.back();
        wave.waveName = "Wave" + std::to_string(waves.size());
        wave.level = &scene.level;
        wave.sceneManager = scene.world.scene;
        wave.spawner = new Spawner();
        wave.spawner->numberOfSpawns = membersPerWave;
        wave.spawner->timeBetweenSpawns = 0.1f;
        wave.spawner->position = at;
        wave.spawner->orientation = Ogre::Quaternion::IDENTITY;
        for (const Ogre::Vector3& point : {Ogre::Vector3::ZERO, Ogre::Vector3(0.0f, 0.0f, pathLength)}) {
            wave.waypoints.push_back(new Waypoint("waypoint"));
            wave.waypoints.back()->position = at + point;
        }
        wave.spawner->createNodes(&wave.members, &scene.level, &scene.player);
        wave.members.push_back(new Enemy());
        wave.members.front()->wave = &source;
        wave.meshName = source.meshName;
        wave.templateObject = &source;
        wave.copyFromTemplate();
        wave.bindToLevel();
        wave.placeInstance();
        wave.members.front()->setupFromDefinition(*source.members.front(), false);
        wave.createMembers();
        // The level start and build.
        wave.reset();
        wave.updateMemberTransforms();
        wave.members.front()->createVisuals();
        wave.spawner->buildEnemies();
        scene.state.waves.push_back(&wave);
        scene.level.waves.push_back(&wave);
    }

    std::vector<std::unique_ptr<Wave>> definitions;
    std::vector<std::unique_ptr<Wave>> waves;
};

void BM_SixtyFourEnemiesInEightWavesOneFrame(benchmark::State& state)
{
    WaveFrameScene waves;
    for (int i = 0; i < warmUpFrames; ++i)
        waves.step();
    for (auto _ : state)
        waves.step();
    state.counters["live"] = benchmark::Counter(waves.liveMembers());
}
BENCHMARK(BM_SixtyFourEnemiesInEightWavesOneFrame)->Unit(benchmark::kMicrosecond);

} // namespace
