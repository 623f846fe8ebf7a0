#include "TriggerTestScene.h"

#include "world/PathFollower.h"
#include "support/FrameStep.h"

namespace {

} // namespace

TEST_F(TriggerTest, EndOfLevelNamesTheNextLevelOnlyWhenNeitherFlagIsSet)
{
    struct Case {
        bool isNextLevel;
        bool isLastLevel;
        const char* expected;
    };
    for (const Case& c : {Case{true, false, ""}, Case{false, true, ""}, Case{false, false, "Level2"}}) {
        game.gameMode = 7;
        Trigger* end = place(3, 0, inView());
        end->nextLevelName = "Level2";
        end->isNextLevel = c.isNextLevel;
        end->isLastLevel = c.isLastLevel;
        end->isEndOfLevelShowScoreScreen = false;
        end->update(frame);
        EXPECT_EQ(game.nextLevelName, c.expected);
        EXPECT_EQ(game.isLastLevel, c.isLastLevel);
        EXPECT_FALSE(game.isEndOfLevelShowScoreScreen);
        EXPECT_EQ(end->status, 3u);
    }
}

TEST_F(TriggerTest, CameraSpeedEasesAndZeroDurationJumps)
{
    camera.follower->speedMult = 0.2f;
    Trigger* speed = place(8, 0, inView());
    speed->isCameraSpeed = true;
    speed->newCameraSpeed = 3.0f;
    speed->newCameraSpeedDuration = 1.0f;
    speed->update(frame);
    EXPECT_EQ(level.speedTrigger, speed);
    speed->update(0.5 - frame);
    EXPECT_NEAR(camera.follower->speedMult, 0.2f + (0.6f - 0.2f) * 0.5f, 1e-4f) << "halfway on the smoothstep";
    speed->update(1.0);
    EXPECT_NEAR(camera.follower->speedMult, 0.6f, 1e-5f);
    EXPECT_EQ(speed->status, 2u) << "a speed change keeps the trigger active";

    Trigger* jump = place(8, 0, inView());
    jump->isCameraSpeed = true;
    jump->newCameraSpeed = 2.0f;
    jump->newCameraSpeedDuration = 0.0f;
    jump->update(frame);
    EXPECT_FLOAT_EQ(camera.follower->speedMult, 0.4f);
    speed->update(frame);
    EXPECT_FLOAT_EQ(camera.follower->speedMult, 0.4f) << "only the latest speed trigger drives the camera";
}

TEST_F(TriggerTest, ShakeWithoutSpeedEndsAtOnce)
{
    Trigger* shake = place(8, 0, inView());
    shake->isCameraShake = true;
    shake->CameraShakeDuration = 1.5f;
    shake->update(frame);
    EXPECT_FLOAT_EQ(camera.shakeTime, 1.5f);
    EXPECT_EQ(shake->status, 3u);
}

TEST_F(TriggerTest, LinkedObjectsStartAndStopByType)
{
    struct Case {
        std::uint32_t type;
        std::uint32_t afterStart; // wave status 0 before
        std::uint32_t afterEnd;   // wave status 2 before the end
    };
    for (const Case& c : {Case{0, 1, 4}, Case{19, 1, 2}, Case{20, 0, 4}, Case{14, 0, 4}, Case{13, 0, 2}}) {
        Wave& wave = addWave();
        Trigger* trigger = place(c.type, 0, inView());
        linkOut(*trigger, wave);
        trigger->activate();
        EXPECT_EQ(wave.status, c.afterStart) << c.type;
        wave.status = 2;
        trigger->startLinkedObjects(false);
        EXPECT_EQ(wave.status, c.afterEnd) << c.type;
    }
}

TEST_F(TriggerTest, StoppingLeavesAStartedWaveAndSuppressesAsAsked)
{
    Wave& starting = addWave(1);
    Wave& running = addWave(2);
    Trigger* trigger = place(0, 0, inView());
    trigger->isKilledAddCount = false;
    linkOut(*trigger, starting);
    linkOut(*trigger, running);
    trigger->startLinkedObjects(false);
    EXPECT_EQ(starting.status, 1u);
    EXPECT_EQ(running.status, 4u);
    EXPECT_TRUE(running.noScore);
    EXPECT_TRUE(running.explodeOnDeath);
}

TEST_F(TriggerTest, LinkedTriggerIsArmedAndUpdatedAtOnce)
{
    Trigger* source = place(0, 0, inView());
    Trigger* target = place(0, 0, inView());
    target->isStarted = 0;
    linkOut(*source, *target);
    source->update(frame);
    EXPECT_EQ(target->status, 2u) << "armed and run with a zero step";
}

TEST_F(TriggerTest, MusicAndMissingSoundNeverFail)
{
    Trigger* trigger = place(7, 0, inView());
    trigger->musicName = "NoMusic.mp3";
    EXPECT_TRUE(trigger->hasMusicChange());
    trigger->musicName = "absent.ogg";
    EXPECT_FALSE(trigger->hasMusicChange());
    trigger->musicName.clear();
    trigger->soundName = "absent.wav";
    trigger->loadSound();
    trigger->update(frame);
    EXPECT_EQ(trigger->status, 3u) << "a sound that never played has stopped";
}
