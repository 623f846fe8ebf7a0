// A wave's phases: idle until the camera sees it (unless a trigger or a
// parent starts it), the start delay, running with its kills, the kill phase,
// and the finished states; its child waves follow its start; a reset starts
// it again.
#include "combat/WaveScene.h"

#include "world/Trigger.h"

#include <functional>

namespace wavetest {
namespace {

using WaveRun = WaveTest;

TEST_F(WaveRun, StatusFollowsItsPhases)
{
    struct Case {
        const char* name;
        std::uint32_t spawns;
        bool isInView;
        std::function<void(Wave&)> setUp;
        int frames;
        double frameTime;
        std::uint32_t status;
        std::function<void(const Wave&)> check;
    };
    const auto noCheck = [](const Wave&) {};
    // Member i alive with no life left, in a running wave.
    const auto lifeRunsOut = [](std::size_t i) {
        return [i](Wave& w) {
            w.status = Wave::statusRunning;
            w.members[i]->status = Enemy::statusAlive;
            w.members[i]->currentLife = 0;
        };
    };
    const auto inStatus = [](std::uint32_t status, float delayLeft, float killLeft, std::uint8_t idle) {
        return [=](Wave& w) {
            w.status = status;
            w.startDelayLeft = delayLeft;
            w.killTimeLeft = killLeft;
            w.hasIdleMember = idle;
            w.runTime = 1.0;
        };
    };
    Wave parent("Parent");
    const std::vector<Case> cases{
        {"idle, seen by the camera", 1, true, [](Wave&) {}, 1, 0.1, Wave::statusStartDelay, noCheck},
        {"idle, out of view", 1, false, [](Wave&) {}, 3, 0.1, Wave::statusIdle, noCheck},
        {"idle, started by a trigger", 1, true, [](Wave& w) { w.startedByTrigger = 1; }, 3, 0.1,
         Wave::statusIdle, noCheck},
        {"idle, started by its parent", 1, true, [&parent](Wave& w) { w.parentObject = &parent; }, 3, 0.1,
         Wave::statusIdle, noCheck},
        {"in the start delay", 1, true, inStatus(Wave::statusStartDelay, 0.5f, 1.0f, 0), 1, 0.3,
         Wave::statusStartDelay, [](const Wave& w) { EXPECT_NEAR(w.startDelayLeft, 0.2f, 1e-5f); }},
        {"at the end of the start delay", 1, true, inStatus(Wave::statusStartDelay, 0.2f, 1.0f, 0), 1, 0.3,
         Wave::statusRunning, [](const Wave& w) { EXPECT_NE(w.members[0]->status, Enemy::statusInactive); }},
        {"running, a group of one loses its member", 1, true, lifeRunsOut(0), 1, 0.1, Wave::statusKilling,
         [](const Wave& w) { EXPECT_EQ(w.killCount, 1u); }},
        {"running, one copy of three killed", 3, true, lifeRunsOut(1), 1, 0.1, Wave::statusRunning,
         [](const Wave& w) { EXPECT_EQ(w.killCount, 1u); }},
        {"running, member 0 idle", 1, true, inStatus(Wave::statusRunning, 0.0f, 1.0f, 0), 1, 0.1,
         Wave::statusRunning, [](const Wave& w) { EXPECT_EQ(w.hasIdleMember + w.allMembersIdle, 2); }},
        {"killing, time left", 1, true, inStatus(Wave::statusKilling, 0.0f, 0.5f, 0), 1, 0.2, Wave::statusKilling,
         [](const Wave& w) { EXPECT_NEAR(w.killTimeLeft, 0.3f, 1e-5f); }},
        {"killing, time over", 1, true, inStatus(Wave::statusKilling, 0.0f, 0.1f, 0), 1, 0.2,
         Wave::statusFinished, noCheck},
        {"killing with an idle member stops the countdown", 1, true, inStatus(Wave::statusKilling, 0.0f, 0.5f, 1),
         3, 0.2, Wave::statusFinishedWithIdleMember, [](const Wave& w) { EXPECT_NEAR(w.killTimeLeft, 0.3f, 1e-5f); }},
        {"finished", 1, true, inStatus(Wave::statusFinished, 0.0f, 0.5f, 0), 3, 0.2, Wave::statusFinished,
         [](const Wave& w) { EXPECT_EQ(w.runTime + w.killTimeLeft, 1.5); }},
    };
    for (const Case& c : cases) {
        Wave& wave = addWave(c.spawns, c.isInView ? inView() : outOfView());
        buildCopies(wave);
        c.setUp(wave);
        for (int frame = 0; frame < c.frames; ++frame)
            wave.update(c.frameTime);
        EXPECT_EQ(wave.status, c.status) << c.name;
        SCOPED_TRACE(c.name);
        c.check(wave);
    }
}

TEST_F(WaveRun, StartingStartsTheIdleChildWavesOnly)
{
    Wave& parentWave = addWave(1, inView());
    struct Child {
        std::uint32_t status;
        std::uint8_t startedByTrigger;
        std::uint32_t expected;
    };
    const Child children[] = {
        {Wave::statusIdle, 0, Wave::statusStartDelay},
        {Wave::statusRunning, 0, Wave::statusRunning},
        {Wave::statusFinished, 0, Wave::statusFinished},
        {Wave::statusIdle, 1, Wave::statusIdle}, // waits for its trigger
    };
    std::vector<Wave*> childWaves;
    for (const Child& child : children) {
        Wave& wave = addWave(1, inView());
        wave.status = child.status;
        wave.startedByTrigger = child.startedByTrigger;
        wave.parentObject = &parentWave;
        parentWave.children[wave.waveName] = &wave;
        childWaves.push_back(&wave);
    }
    parentWave.children["unlinked"] = nullptr;
    parentWave.status = Wave::statusStartDelay;
    parentWave.startRunning();
    EXPECT_EQ(parentWave.status, Wave::statusRunning);
    for (std::size_t i = 0; i < childWaves.size(); ++i)
        EXPECT_EQ(childWaves[i]->status, children[i].expected) << "child " << i;

    parentWave.setStatus(Wave::statusKilling);
    EXPECT_EQ(childWaves[1]->status, Wave::statusKilling) << "a running child is killed with its parent";
    EXPECT_EQ(childWaves[2]->status, Wave::statusFinished);
}

TEST_F(WaveRun, ResetStartsAgainAndLinkedTriggersDecideWhoStartsIt)
{
    struct Case {
        std::uint32_t triggerType;
        bool isTriggerDisabled;
        std::uint8_t startedByTrigger;
    };
    const Case cases[] = {{0, false, 1}, {2, false, 1},  {5, false, 1}, {6, false, 1}, {9, false, 1},
                          {11, false, 1}, {15, false, 1}, {1, false, 0}, {7, false, 0}, {5, true, 0}};
    for (const Case& c : cases) {
        Wave& wave = addWave(3, inView());
        buildCopies(wave);
        wave.status = Wave::statusKilling;
        wave.killCount = 2;
        wave.noScore = 1;
        std::unique_ptr<Trigger> trigger(newTrigger(c.triggerType, "Starter"));
        trigger->isDisabled = c.isTriggerDisabled;
        wave.linkedObjects.push_back(trigger.get());
        wave.reset();
        EXPECT_EQ(wave.startedByTrigger, c.startedByTrigger) << "trigger type " << c.triggerType;
        EXPECT_EQ(wave.members.front()->startedByTrigger, c.startedByTrigger) << "trigger type " << c.triggerType;
        EXPECT_EQ(wave.members.size(), 1u);
        EXPECT_EQ(wave.status, Wave::statusIdle);
        EXPECT_EQ(wave.killCount, 0u);
        EXPECT_EQ(wave.noScore, 0);
        wave.update(0.1);
        EXPECT_EQ(wave.status, c.startedByTrigger ? Wave::statusIdle : Wave::statusStartDelay)
            << "trigger type " << c.triggerType;
        wave.linkedObjects.clear();
    }
}

} // namespace
} // namespace wavetest
