// The steering and camera-follow arithmetic: speeds by input, inertia,
// tilts held within their range and a follow that stays a number.
#include "play/PlayerSteering.h"
#include "support/FrameStep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

} // namespace

TEST(PlayerSteering, DirectionsByInput)
{
    struct Case {
        SteeringInput input;
        bool isCameraRelative;
        float heading;
        Ogre::Vector3 expected;
    };
    const float half = std::sqrt(0.5f);
    const Case cases[] = {
        // Keys held together still move at full speed, not 1.41 times it.
        {{0.0f, 1.0f, 0.0f, 1.0f, false}, false, 0.0f, {half, 0.0f, half}},
        {{1.0f, 1.0f, 0.0f, 0.0f, false}, false, 0.0f, Ogre::Vector3::ZERO},
        // A stick pushed half way moves at half speed; past its circle it is cut back.
        {{0.0f, 0.5f, 0.0f, 0.0f, true}, false, 0.0f, {0.5f, 0.0f, 0.0f}},
        {{0.0f, 0.5f, 0.0f, 0.0f, true, true}, false, 0.0f, {1.0f, 0.0f, 0.0f}},
        {{0.0f, 1.0f, 1.0f, 0.0f, true}, false, 0.0f, {half, 0.0f, -half}},
        // Up turned by a quarter of the camera's heading points along -x.
        {{0.0f, 0.0f, 1.0f, 0.0f, false}, true, 90.0f, {-1.0f, 0.0f, 0.0f}},
        {{0.0f, 0.0f, 1.0f, 0.0f, false}, false, 90.0f, {0.0f, 0.0f, -1.0f}},
    };
    for (const Case& c : cases) {
        const Ogre::Vector3 direction = steeringDirection(c.input, c.isCameraRelative, c.heading);
        EXPECT_TRUE(direction.positionEquals(c.expected, 1e-4f)) << direction << " instead of " << c.expected;
    }
}

TEST(PlayerSteering, InertiaAcceleratesDecaysDriftsAndKeepsToTheSpeed)
{
    const Ogre::Vector3 right = Ogre::Vector3::UNIT_X;
    EXPECT_EQ(steeringVelocity(Ogre::Vector3(5.0f, 0.0f, 0.0f), right, {30.0f, false, 5.0f, 5.0f, 1.0f}, frame),
              Ogre::Vector3(30.0f, 0.0f, 0.0f));

    const SteeringSettings inertia{30.0f, true, 5.0f, 2.0f, 0.5f};
    // No input: x and z lose friction x dt of themselves while the drift pushes z.
    const Ogre::Vector3 coasting =
        steeringVelocity(Ogre::Vector3(10.0f, 3.0f, 10.0f), Ogre::Vector3::ZERO, inertia, 0.1);
    EXPECT_TRUE(coasting.positionEquals(Ogre::Vector3(8.0f, 3.0f, 8.5f), 1e-4f)) << coasting;
    Ogre::Vector3 velocity = Ogre::Vector3::ZERO;
    for (int i = 0; i < 600; ++i)
        velocity = steeringVelocity(velocity, right, inertia, frame);
    EXPECT_LE(velocity.length(), 30.0f + 1e-3f);
    EXPECT_GT(velocity.x, 25.0f);
}

TEST(PlayerSteering, TiltsStayInRangeAndLevelOutWithoutInput)
{
    SteeringInput held{0.0f, 1.0f, 1.0f, 0.0f, false};
    Ogre::Vector2 tilt = Ogre::Vector2::ZERO;
    for (int i = 0; i < 100; ++i)
        tilt = steppedTilt(tilt, held, 5.0f, frame);
    EXPECT_FLOAT_EQ(tilt.x, 0.99f);
    EXPECT_FLOAT_EQ(tilt.y, -0.99f);
    for (int i = 0; i < 100; ++i)
        tilt = steppedTilt(tilt, SteeringInput{}, 5.0f, frame);
    EXPECT_NEAR(tilt.x, 0.0f, 1e-5f);
    EXPECT_NEAR(tilt.y, 0.0f, 1e-5f);
}

TEST(PlayerSteering, TheFollowEasesStaysANumberAndNeverOvershoots)
{
    EXPECT_DOUBLE_EQ(followBlend(30.0f, frame), 0.5);
    EXPECT_DOUBLE_EQ(followBlend(0.0f, frame), 0.0);
    // A rate above 60 would take a fractional power of a negative number.
    EXPECT_DOUBLE_EQ(followBlend(90.0f, 0.5 * frame), 1.0);

    const Ogre::Vector3 wanted(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(smoothedPan(Ogre::Vector3(4.0f, 0.0f, 0.0f), wanted, 0.5, 1.0f), wanted);
    EXPECT_EQ(smoothedPan(Ogre::Vector3(4.0f, 0.0f, 0.0f), Ogre::Vector3::ZERO, 0.25, 1.0f),
              Ogre::Vector3(3.0f, 0.0f, 0.0f));

    // A view 20 wide at x 8, limits 10 either way: it may not go further right.
    FollowView view{{8.0f, 0.0f}, {10.0f, 5.0f}, {10.0f, 10.0f, 10.0f, 10.0f}};
    EXPECT_EQ(limitedPan(Ogre::Vector3(1.0f, 2.0f, 1.0f), view), Ogre::Vector3(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(limitedPan(Ogre::Vector3(-1.0f, 0.0f, 0.0f), view), Ogre::Vector3(-1.0f, 0.0f, 0.0f));
    // Beyond the right limit a pan to the right stops; within 4 of the lower
    // one a pan down brakes by the ship's speed.
    view.centre = Ogre::Vector2(1.0f, 3.0f);
    const Ogre::Vector3 braked = brakedPan(Ogre::Vector3(1.0f, 0.0f, 1.0f), view, 0.1, 5.0f);
    EXPECT_TRUE(braked.positionEquals(Ogre::Vector3(0.0f, 0.0f, 0.5f), 1e-5f)) << braked;
}
