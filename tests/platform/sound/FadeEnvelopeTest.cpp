#include "platform/sound/FadeEnvelope.h"

#include <gtest/gtest.h>

namespace {

using platform::FadeEnvelope;
using platform::PlaybackDelay;

TEST(FadeEnvelope, FullVolumeWithoutPoints)
{
    EXPECT_FLOAT_EQ(FadeEnvelope().volumeAt(12345), 1.0f);
}

TEST(FadeEnvelope, LinesBetweenPointsAndHoldsOutside)
{
    FadeEnvelope fade;
    fade.addPoint(2000, 0.0f);
    fade.addPoint(1000, 1.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(0), 1.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(1000), 1.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(1250), 0.75f);
    EXPECT_FLOAT_EQ(fade.volumeAt(1999), 0.001f);
    EXPECT_FLOAT_EQ(fade.volumeAt(2000), 0.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(900000), 0.0f);
}

TEST(FadeEnvelope, LaterPointAtTheSameClockWins)
{
    FadeEnvelope fade;
    fade.addPoint(0, 1.0f);
    fade.addPoint(500, 0.0f);
    fade.addPoint(1000, 0.0f);
    fade.addPoint(1000, 1.0f);
    fade.addPoint(1000, 1.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(750), 0.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(1000), 1.0f);
    EXPECT_FLOAT_EQ(fade.volumeAt(5000), 1.0f);
    EXPECT_EQ(fade.size(), 5);
}

TEST(FadeEnvelope, RemovesPointsInTheRangeBothEndsIncluded)
{
    FadeEnvelope fade;
    for (std::uint64_t clock : {100u, 200u, 300u, 400u})
        fade.addPoint(clock, 0.5f);
    fade.removePoints(200, 300);
    EXPECT_EQ(fade.size(), 2);
    fade.removePoints(401, 1000);
    EXPECT_EQ(fade.size(), 2);
    fade.removePoints(0, 400);
    EXPECT_EQ(fade.size(), 0);
}

TEST(PlaybackDelay, SilentOutsideItsWindowAndStopsOnlyWhenAsked)
{
    PlaybackDelay open;
    EXPECT_TRUE(open.isAudibleAt(0));
    EXPECT_FALSE(open.stopsAt(1u << 30));

    PlaybackDelay delay{100, 200, false};
    EXPECT_FALSE(delay.isAudibleAt(99));
    EXPECT_TRUE(delay.isAudibleAt(100));
    EXPECT_TRUE(delay.isAudibleAt(199));
    EXPECT_FALSE(delay.isAudibleAt(200));
    EXPECT_FALSE(delay.stopsAt(500));

    PlaybackDelay stopping{0, 200, true};
    EXPECT_FALSE(stopping.stopsAt(199));
    EXPECT_TRUE(stopping.stopsAt(200));
}

} // namespace
