#include "TriggerTestScene.h"

#include "world/Obb.h"
#include "support/FrameStep.h"

namespace {

} // namespace

TEST_F(TriggerTest, ArmingAtResetDependsOnLinksAndType)
{
    Trigger* plain = place(0, 2, outOfView());
    EXPECT_TRUE(plain->isStarted);
    Trigger* button = place(15, 2, outOfView());
    EXPECT_FALSE(button->isStarted);

    Wave& wave = addWave();
    Trigger* linked = place(0, 2, outOfView());
    linked->linkedObjects = {&wave};
    linked->reset();
    EXPECT_FALSE(linked->isStarted);
    wave.isDisabled = 1;
    linked->reset();
    EXPECT_TRUE(linked->isStarted) << "a disabled linked object arms the trigger";
    wave.isDisabled = 0;
    linked->activation_type = 12;
    linked->reset();
    EXPECT_TRUE(linked->isStarted);
}

TEST_F(TriggerTest, ButtonTriggerArmsInViewOrWhenAlwaysActivated)
{
    Trigger* hidden = place(15, 2, outOfView());
    hidden->button_activation = 1;
    hidden->update(frame);
    EXPECT_FALSE(hidden->isStarted);
    hidden->isAlwaysActivated = true;
    hidden->update(frame);
    EXPECT_TRUE(hidden->isStarted);

    Trigger* seen = place(15, 2, inView());
    seen->button_activation = 1;
    seen->update(frame);
    EXPECT_TRUE(seen->isStarted);
}

TEST_F(TriggerTest, PassesThroughConditionActiveAndEndingInOneUpdate)
{
    Trigger* checkpoint = place(4, 0, inView());
    checkpoint->isSaveCameraPosition = false;
    checkpoint->update(frame);
    EXPECT_EQ(checkpoint->status, 3u) << "1 -> 2 -> 4, and the empty countdown ends it";

    Trigger* plain = place(0, 0, inView());
    plain->update(frame);
    EXPECT_EQ(plain->status, 2u) << "a plain trigger stays active";
}

TEST_F(TriggerTest, DelayedStartCountsItsFirstFrameTwice)
{
    Trigger* delayed = place(9, 0, inView());
    delayed->timeBeforeStart = 2.0;
    delayed->update(0.5); // waiting adds 0.5, condition-met adds 0.5 again
    EXPECT_EQ(delayed->status, 1u);
    EXPECT_DOUBLE_EQ(delayed->elapsed, 1.0);
    delayed->update(0.5);
    EXPECT_EQ(delayed->status, 1u);
    delayed->update(0.5);
    EXPECT_EQ(delayed->status, 2u);
}

TEST_F(TriggerTest, TestOnceTriggerGetsOneTest)
{
    Trigger* missed = place(17, 0, outOfView());
    missed->update(frame);
    EXPECT_EQ(missed->status, 3u);
    missed->setWorldPosition(inView());
    world.updateTransforms();
    missed->update(frame);
    EXPECT_EQ(missed->status, 3u) << "a failed first test is final";

    Wave& wave = addWave(2);
    Trigger* fired = place(17, 0, inView());
    linkOut(*fired, wave);
    wave.status = 0;
    fired->update(frame);
    EXPECT_EQ(fired->status, 3u);
    EXPECT_EQ(wave.status, 1u) << "its effect ran before it went to done";
}

TEST_F(TriggerTest, SwitchOnlyTriggerReArmsWhenItsConditionFails)
{
    Trigger* toggle = place(6, 0, inView());
    toggle->isSwitchOnly = true;
    toggle->update(frame);
    EXPECT_EQ(toggle->status, 2u);
    toggle->setWorldPosition(outOfView());
    world.updateTransforms();
    toggle->update(frame);
    EXPECT_EQ(toggle->status, 3u) << "ends at once and the empty countdown finishes it";
    toggle->update(frame);
    EXPECT_EQ(toggle->status, 0u);
    toggle->setWorldPosition(inView());
    world.updateTransforms();
    toggle->update(frame);
    EXPECT_EQ(toggle->status, 2u);
}

TEST_F(TriggerTest, TimerAndOverlayLessMessageEndAfterTheirDuration)
{
    for (std::uint32_t type : {5u, 1u}) {
        Trigger* timed = place(type, 0, inView());
        timed->duration = 1.0f;
        timed->update(frame);
        ASSERT_EQ(timed->status, 2u) << type;
        timed->update(0.9);
        EXPECT_EQ(timed->status, 2u) << type;
        timed->update(0.2);
        EXPECT_EQ(timed->status, 3u) << type;
    }
}

TEST_F(TriggerTest, RandomTriggerWithoutRandomnessAlwaysFires)
{
    for (int randomness : {0, -3, 1}) {
        Trigger* random = place(11, 0, inView());
        random->randomness = randomness;
        random->update(frame);
        EXPECT_EQ(random->status, 2u) << randomness;
    }
}

TEST_F(TriggerTest, EndingStopsLinkedObjectsAfterTheCountdown)
{
    Wave& wave = addWave();
    Trigger* trigger = place(5, 0, inView());
    linkOut(*trigger, wave);
    trigger->duration = 0.5f;
    trigger->update(frame);
    EXPECT_EQ(wave.status, 1u);
    wave.status = 2;
    trigger->update(1.0); // ends; no countdown: stopped at once
    EXPECT_EQ(trigger->status, 3u);
    EXPECT_EQ(wave.status, 4u);
}

TEST_F(TriggerTest, DeleteLinkIgnoresABadIndex)
{
    Wave& wave = addWave();
    Trigger* trigger = place(0, 2, outOfView());
    linkOut(*trigger, wave);
    trigger->deleteLink(3, false);
    trigger->deleteLink(0, true);
    EXPECT_EQ(trigger->outgoingLinks.size(), 1u);
    trigger->deleteLink(0, false);
    EXPECT_TRUE(trigger->outgoingLinks.empty());
}

TEST_F(TriggerTest, CopyTakesANewNumberedNameAndNoLinks)
{
    Wave& wave = addWave();
    Trigger* source = place(2, 1, inView());
    source->name = "Trigger7";
    source->size = Ogre::Vector3(2.0f, 1.0f, 3.0f);
    linkOut(*source, wave);
    source->linkedObjects = {&wave};
    auto* copy = static_cast<Trigger*>(source->clone());
    state.triggers.push_back(copy);
    EXPECT_EQ(copy->name, "Trigger8");
    EXPECT_TRUE(copy->outgoingLinks.empty());
    EXPECT_TRUE(copy->linkedObjects.empty());
    EXPECT_EQ(copy->size, source->size);
    ASSERT_NE(copy->outline, nullptr);
    EXPECT_NE(copy->outline, source->outline);
    EXPECT_FLOAT_EQ(copy->outline->size.x, 40.0f) << "half extent = size x times 10";
    EXPECT_TRUE(copy->isStarted);
}
