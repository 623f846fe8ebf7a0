#include "GameTestSupport.h"

#include "core/ContainsValue.h"
#include "core/VirtualControls.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(VirtualControls, TheDeadZoneIgnoresItsEdgeAndTheRescaleStartsNearZero)
{
    EXPECT_FALSE(isBeyondStickDeadZone(6400, 20));
    EXPECT_FALSE(isBeyondStickDeadZone(-6400, 20));
    EXPECT_TRUE(isBeyondStickDeadZone(6401, 20));
    EXPECT_TRUE(isBeyondStickDeadZone(-6401, 20));
    EXPECT_TRUE(isBeyondStickDeadZone(1, 0));
    EXPECT_FALSE(isBeyondStickDeadZone(0, 0));

    // Just past the dead zone the magnitude starts near 0, not near 0.2.
    EXPECT_NEAR(leftStickMagnitude(6401, 20, 0.5f), 0.0f, 1e-4f);
    EXPECT_NEAR(leftStickMagnitude(32767, 20, 0.5f), 1.0f, 1e-6f);
    EXPECT_NEAR(leftStickMagnitude(-32768, 20, 0.5f), 1.0f, 1e-6f);
    // Halfway between the dead zone's edge and full travel.
    const int halfway = static_cast<int>((0.1953125 + (1.0 - 0.1953125) / 2.0) * 32767.0);
    EXPECT_NEAR(leftStickMagnitude(halfway, 20, 0.5f), 0.5f, 1e-4f);
}

TEST(VirtualControls, TheCurvePowerIsDoubledAndAbsentAtZero)
{
    const int raw = 24000;
    const float rescaled = (raw / 32767.0f - 0.1953125f) / (1.0f - 0.1953125f);
    EXPECT_NEAR(leftStickMagnitude(raw, 20, 0.5f), rescaled, 1e-6f);
    EXPECT_NEAR(leftStickMagnitude(raw, 20, 1.0f), rescaled * rescaled, 1e-6f);
    EXPECT_NEAR(leftStickMagnitude(raw, 20, 1.5f), std::pow(rescaled, 3.0f), 1e-6f);
    EXPECT_NEAR(leftStickMagnitude(raw, 20, 0.0f), rescaled, 1e-6f);
    EXPECT_NEAR(leftStickMagnitude(raw, 20, -1.0f), rescaled, 1e-6f);
}

TEST(VirtualControls, DigitalDiagonalsGiveBothMembers0_7071)
{
    EXPECT_FLOAT_EQ(digitalDirectionValue({true, false, false, false}), 1.0f);
    EXPECT_FLOAT_EQ(digitalDirectionValue({false, false, true, true}), 1.0f);
    EXPECT_FLOAT_EQ(digitalDirectionValue({true, false, true, false}), 0.7071f);
    EXPECT_FLOAT_EQ(digitalDirectionValue({false, true, false, true}), 0.7071f);
}

TEST(VirtualControls, MenuDirectionsHoldStrictlyBeyond0_7OfTheUnitVector)
{
    const DigitalDirections diagonal = menuDirections(-0.7071f, 0.7071f);
    EXPECT_TRUE(diagonal.up && diagonal.left);
    EXPECT_FALSE(diagonal.down || diagonal.right);

    // A short vector is scaled up first.
    const DigitalDirections slight = menuDirections(0.0f, -0.1f);
    EXPECT_TRUE(slight.down);
    EXPECT_FALSE(slight.up || slight.left || slight.right);

    // A unit vector whose x component is exactly 0.7 (its length is exactly 1
    // in float, so scaling leaves it as it is).
    const float x = 0.7f;
    const float y = std::sqrt(1.0f - x * x);
    ASSERT_EQ(std::sqrt(x * x + y * y), 1.0f);
    const DigitalDirections edge = menuDirections(x, y);
    EXPECT_FALSE(edge.right);
    EXPECT_TRUE(edge.up);
    const DigitalDirections mirrored = menuDirections(-x, -y);
    EXPECT_FALSE(mirrored.left);
    EXPECT_TRUE(mirrored.down);

    const DigitalDirections none = menuDirections(0.0f, 0.0f);
    EXPECT_FALSE(none.up || none.down || none.left || none.right);
}

TEST(VirtualControls, ContainsValueFindsAValueAndAnEmptyListHoldsNone)
{
    EXPECT_FALSE(containsValue({}, 0));
    EXPECT_TRUE(containsValue({3, 7, -1}, -1));
    EXPECT_TRUE(containsValue({3, 7}, 3));
    EXPECT_FALSE(containsValue({3, 7}, 5));
}

TEST(WindowShape, TheScreenRatioGivesTheAspectAndAWindowlessGameKeeps16To9)
{
    Game& game = gametest::cleanGame();
    ASSERT_EQ(game.renderWindow, nullptr);
    game.screenRatio = 1;
    EXPECT_EQ(game.computeAspectRatio(), 1.7777778f);
    game.screenRatio = 2;
    EXPECT_EQ(game.computeAspectRatio(), 1.3333334f);
    game.screenRatio = 3;
    EXPECT_EQ(game.computeAspectRatio(), 0.75f);
    EXPECT_EQ(game.aspectRatio, 0.75f);
    // The window's shape is asked for, but there is no window to measure.
    game.screenRatio = 0;
    EXPECT_EQ(game.computeAspectRatio(), 1.7777778f);

    LogCapture log;
    game.fullscreen = 2;
    game.changeResolution();
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(game.appliedWindowMode, 0);
    game.resetDefaults();
}
