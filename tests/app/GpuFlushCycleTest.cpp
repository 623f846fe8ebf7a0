#include "app/GpuCommandBufferFlush.h"

#include <gtest/gtest.h>

TEST(GpuFlushCycle, PullsTheQueryOfNFramesAgoOnceTheIndexHasWrapped)
{
    Ogre::GpuFlushCycle cycle;
    cycle.restart(2);
    EXPECT_FALSE(cycle.advance()); // end of frame 0: query 0 ended, nothing pulled
    EXPECT_EQ(cycle.currentFrame, 1u);
    EXPECT_TRUE(cycle.advance()); // end of frame 1: wraps, query 0 pulled
    EXPECT_EQ(cycle.currentFrame, 0u);
    EXPECT_TRUE(cycle.advance()); // end of frame 2: query 1
    EXPECT_EQ(cycle.currentFrame, 1u);
    EXPECT_TRUE(cycle.advance()); // end of frame 3: query 0
    EXPECT_EQ(cycle.currentFrame, 0u);
}

TEST(GpuFlushCycle, RestartForgetsThePreviousRun)
{
    Ogre::GpuFlushCycle cycle;
    cycle.restart(1);
    EXPECT_TRUE(cycle.advance());
    cycle.restart(3);
    EXPECT_FALSE(cycle.startPull);
    EXPECT_FALSE(cycle.advance());
    EXPECT_FALSE(cycle.advance());
    EXPECT_TRUE(cycle.advance());
}

TEST(GpuFlushCycle, NoQueuedFramesNeverPulls)
{
    Ogre::GpuFlushCycle cycle;
    cycle.restart(0);
    EXPECT_FALSE(cycle.advance());
    EXPECT_EQ(cycle.currentFrame, 0u);
}

TEST(GpuCommandBufferFlush, StartWithoutARenderSystemStaysStopped)
{
    Ogre::GpuCommandBufferFlush flush;
    flush.start(2);
    EXPECT_FALSE(flush.isStarted());
}
