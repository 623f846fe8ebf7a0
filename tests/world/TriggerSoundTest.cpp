// A trigger's own sound on the audio service's silent output: how loud, at
// which pitch and with which loop mode it plays, and that a name naming no
// sound plays nothing.
#include "TriggerTestScene.h"

#include "app/AudioService.h"
#include "app/AudioTestGame.h"
#include "platform/sound/SoundMode.h"
#include "support/FrameStep.h"

namespace {

} // namespace

class TriggerSoundTest : public TriggerTest {
protected:
    void SetUp() override
    {
        TriggerTest::SetUp();
        soundtest::useSilentSoundOutput();
        initSound();
    }
    void TearDown() override
    {
        TriggerTest::TearDown();
        shutdownSound();
    }

    // A sound trigger in view with the sound loaded, fired this frame.
    Trigger* fireSound(const std::string& soundName, bool isSound3D)
    {
        Trigger* trigger = newTrigger(7, "Sound" + std::to_string(state.triggers.size()));
        trigger->activation_type = 0;
        trigger->soundName = soundName;
        trigger->isSound3D = isSound3D;
        trigger->soundVolume = 0.5f;
        trigger->setupScene(inView());
        state.triggers.push_back(trigger);
        world.updateTransforms();
        trigger->reset();
        trigger->update(frame);
        return trigger;
    }

    AudioTestGame testGame;
};

TEST_F(TriggerSoundTest, PlacedSoundPlaysTwentyPercentLouder)
{
    Trigger* plain = fireSound("hum3d.wav", false);
    Trigger* placed = fireSound("hum3d.wav", true);
    ASSERT_TRUE(plain->channel.isPlaying());
    ASSERT_TRUE(placed->channel.isPlaying());
    EXPECT_FLOAT_EQ(plain->channel.getVolume(), 0.5f);
    EXPECT_FLOAT_EQ(placed->channel.getVolume(), 0.6f);
    EXPECT_FLOAT_EQ(plain->channel.getPitch(), 1.0f) << "a trigger's default pitch pair leaves the pitch";
    EXPECT_EQ(plain->status, 2u) << "a sound trigger stays active while its sound plays";
}

TEST_F(TriggerSoundTest, LoopModeAndPitchFollowTheTrigger)
{
    Trigger* trigger = newTrigger(7, "Looping");
    trigger->activation_type = 0;
    trigger->soundName = "shot.wav";
    trigger->isSoundLooping = true;
    trigger->soundPitch[0] = 0.5f;
    trigger->setupScene(inView());
    state.triggers.push_back(trigger);
    world.updateTransforms();
    trigger->reset();
    trigger->update(frame);
    ASSERT_TRUE(trigger->channel.isPlaying());
    EXPECT_TRUE(trigger->channel.getMode() & platform::soundLoopNormal);
    EXPECT_FLOAT_EQ(trigger->channel.getPitch(), 1.5f);
}

TEST_F(TriggerSoundTest, ANameOfNoSoundPlaysNothing)
{
    for (bool isSound3D : {false, true}) {
        Trigger* trigger = fireSound("nothing_here.wav", isSound3D);
        EXPECT_EQ(trigger->sound, nullptr);
        EXPECT_FALSE(trigger->channel.isValid());
        EXPECT_EQ(trigger->status, 3u) << "nothing plays, so the sound trigger ends";
        trigger->stopSound();
        trigger->reset();
    }
}
