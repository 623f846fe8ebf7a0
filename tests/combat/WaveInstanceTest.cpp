// A level's wave made from a library definition takes the member's class,
// life and score from the definition and keeps its own spawner and start
// delay; a copy of a wave is renamed, gets its own nodes and member 0, and
// closes its looping path.
#include "combat/WaveScene.h"

#include "combat/Tank.h"
#include "world/Waypoint.h"

namespace wavetest {
namespace {

using WaveInstance = WaveTest;

// A library definition whose member 0 is of the class asked for.
std::unique_ptr<Wave> definition(bool isTank)
{
    auto wave = std::make_unique<Wave>("Def");
    wave->isLibraryDefinition = 1;
    wave->type = isTank ? Wave::typeTank : Wave::typeEnemy;
    wave->meshName = "interro.mesh";
    Enemy* member = isTank ? new Tank() : new Enemy();
    member->waveName = "DefMember";
    member->life = 50;
    member->score = 300;
    if (auto* tank = dynamic_cast<Tank*>(member))
        tank->turOffset = Ogre::Vector3(0.0f, 2.0f, 0.0f);
    wave->members.push_back(member);
    member->wave = wave.get();
    member->members = &wave->members;
    return wave;
}

TEST_F(WaveInstance, TheDefinitionDecidesClassLifeAndScoreTheInstanceItsSpawner)
{
    for (const bool isDefinitionTank : {true, false}) {
        const std::unique_ptr<Wave> library = definition(isDefinitionTank);
        const auto element = [isDefinitionTank](Wave& w) {
            if (!isDefinitionTank) {
                // The instance's element asked for a tank.
                delete w.members.front();
                w.members.front() = new Tank();
            }
            Enemy& own = *w.members.front();
            own.life = 1;
            own.score = 5;
            own.startInvincibility = 0.7;
            w.TimeBeforeSpawn = 2.0f;
            w.spawner->spawnType = spawnArc;
        };
        Wave& wave = addWave(4, inView(), element, library.get());
        ASSERT_EQ(wave.members.size(), 1u);
        Enemy& member = *wave.members.front();
        EXPECT_EQ(dynamic_cast<Tank*>(&member) != nullptr, isDefinitionTank);
        EXPECT_EQ(member.isTank, isDefinitionTank ? 1 : 0);
        EXPECT_EQ(wave.type, isDefinitionTank ? Wave::typeTank : Wave::typeEnemy);
        EXPECT_EQ(member.life, 50);
        EXPECT_EQ(member.currentLife, 50);
        EXPECT_EQ(member.score, 300);
        EXPECT_EQ(member.name, "DefMember");
        EXPECT_DOUBLE_EQ(member.startInvincibility, 0.7) << "the instance's own gameplay value";
        EXPECT_EQ(member.wave, &wave);
        EXPECT_EQ(member.members, &wave.members);
        if (auto* tank = dynamic_cast<Tank*>(&member)) {
            EXPECT_EQ(tank->turOffset, Ogre::Vector3(0.0f, 2.0f, 0.0f));
        }
        EXPECT_EQ(wave.spawner->numberOfSpawns, 4u);
        EXPECT_EQ(wave.spawner->spawnType, spawnArc);
        EXPECT_FLOAT_EQ(wave.startDelayLeft, 2.0f);
    }
}

TEST_F(WaveInstance, ACopyIsRenamedWithItsOwnNodesMemberAndClosedPath)
{
    Wave& source = addWave(3, inView());
    source.killChildren = 1;
    source.members.front()->score = 70;
    for (const Ogre::Vector3& at : {Ogre::Vector3(0, 0, 0), Ogre::Vector3(50, 0, 0), Ogre::Vector3(50, 0, 50)}) {
        source.waypoints.push_back(new Waypoint("waypoint"));
        source.waypoints.back()->position = at;
    }
    source.waypoints.front()->isLoop = 1;

    std::unique_ptr<Wave> copy(static_cast<Wave*>(source.clone()));
    EXPECT_EQ(copy->waveName, "Wave2") << "after the level's highest wave number";
    EXPECT_EQ(copy->templateObject, &source);
    EXPECT_EQ(copy->killChildren, 1);
    ASSERT_NE(copy->spawner, nullptr);
    EXPECT_NE(copy->spawner->spawnerNode, nullptr);
    EXPECT_NE(copy->spawner->spawnerNode, source.spawner->spawnerNode);
    ASSERT_EQ(copy->members.size(), 1u);
    const Enemy& member = *copy->members.front();
    EXPECT_EQ(member.score, 70);
    EXPECT_EQ(member.wave, copy.get());
    EXPECT_EQ(member.templateObject, source.members.front());
    EXPECT_EQ(member.waypoints, &copy->waypoints);
    ASSERT_EQ(copy->waypoints.size(), 3u);
    EXPECT_EQ(copy->waypoints.back()->position, Ogre::Vector3::ZERO) << "the loop ends where it starts";
    EXPECT_EQ(copy->curvePoints.size(), static_cast<std::size_t>(curveSampleCount));
    copy->destroyGraphics();

    Wave toybox(source, true);
    EXPECT_EQ(toybox.waveName, "Wave");
    EXPECT_EQ(toybox.spawner->spawnerNode, nullptr) << "a toybox copy stays out of the scene";
    ASSERT_EQ(toybox.members.size(), 1u);
    EXPECT_EQ(toybox.members.front()->members, &toybox.members);
}

} // namespace
} // namespace wavetest
