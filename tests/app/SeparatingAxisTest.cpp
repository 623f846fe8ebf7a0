#include "app/ObbOutlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

struct Pair {
    Pair(const Ogre::Vector2& centreA, const Ogre::Vector2& centreB, float degreesB = 0.0f)
    {
        makeSquareOutline(a, centreA, 1.0f);
        makeSquareOutline(b, centreB, 1.0f, degreesB);
    }
    CollisionResult collides(const Ogre::Vector2& velocity = Ogre::Vector2::ZERO) const
    {
        CollisionResult result;
        Obb::collides(a, b, velocity, result);
        return result;
    }
    CollisionResult collidesWithContact(const Ogre::Vector2& velocity = Ogre::Vector2::ZERO) const
    {
        CollisionResult result;
        Obb::collidesWithContact(a, b, velocity, result);
        return result;
    }
    Obb a;
    Obb b;
};

} // namespace

TEST(SeparatingAxis, OverlappingAndTouchingOutlinesIntersect)
{
    const Pair overlapping({0, 0}, {1.5f, 0.5f});
    EXPECT_TRUE(overlapping.collides().intersect);
    EXPECT_TRUE(overlapping.collides().willIntersect);
    EXPECT_TRUE(overlapping.collidesWithContact().intersect);

    // Sharing an edge: the gap between the projections is 0, not above it.
    const Pair touching({0, 0}, {2, 0});
    EXPECT_TRUE(touching.collides().intersect);
    EXPECT_TRUE(touching.collidesWithContact().intersect);
}

TEST(SeparatingAxis, SeparatedOutlinesDoNotIntersect)
{
    const Pair apart({0, 0}, {2.5f, 0});
    EXPECT_FALSE(apart.collides().intersect);
    EXPECT_FALSE(apart.collides().willIntersect);
    EXPECT_FALSE(apart.collidesWithContact().intersect);
    EXPECT_EQ(apart.collidesWithContact().minimumTranslationVector, Ogre::Vector2::ZERO);
}

TEST(SeparatingAxis, TurnedOutlineSeparatesAlongItsOwnAxis)
{
    // The diamond's bounding box overlaps the square's corner, but the
    // diamond's edge runs clear of it.
    const Pair corner({0, 0}, {2.0f, 2.0f}, 45.0f);
    EXPECT_FALSE(corner.collides().intersect);
    EXPECT_FALSE(corner.collidesWithContact().intersect);

    const Pair closer({0, 0}, {1.6f, 1.6f}, 45.0f);
    EXPECT_TRUE(closer.collides().intersect);
}

TEST(SeparatingAxis, TheTwoTestsAddTheVelocityWithOppositeSigns)
{
    // B lies 0.5 to the right of A: a velocity of +1 in x closes the gap for
    // collidesWithContact, and -1 does for collides.
    const Pair apart({0, 0}, {2.5f, 0});
    const Ogre::Vector2 right(1, 0);
    EXPECT_TRUE(apart.collidesWithContact(right).willIntersect);
    EXPECT_FALSE(apart.collidesWithContact(-right).willIntersect);
    EXPECT_FALSE(apart.collides(right).willIntersect);
    EXPECT_TRUE(apart.collides(-right).willIntersect);
    EXPECT_FALSE(apart.collides(-right).intersect);
}

TEST(SeparatingAxis, TranslationVectorPushesAOutOfB)
{
    const Pair fromTheRight({1.5f, 0}, {0, 0});
    CollisionResult result = fromTheRight.collidesWithContact();
    EXPECT_NEAR(result.minimumTranslationVector.x, 0.5f, 1e-6f);
    EXPECT_NEAR(result.minimumTranslationVector.y, 0.0f, 1e-6f);

    const Pair fromBelow({0.2f, 1.75f}, {0, 0});
    result = fromBelow.collidesWithContact();
    EXPECT_NEAR(result.minimumTranslationVector.x, 0.0f, 1e-6f);
    EXPECT_NEAR(result.minimumTranslationVector.y, 0.25f, 1e-6f);
}

TEST(SeparatingAxis, CentresTooFarApartEndTheTestEarly)
{
    // The outlines overlap, but their radii claim they cannot reach each other.
    Pair overlapping({0, 0}, {1.5f, 0});
    overlapping.a.radius = 0.7f;
    overlapping.b.radius = 0.7f;
    EXPECT_FALSE(overlapping.collides().intersect);
    EXPECT_FALSE(overlapping.collides().willIntersect);
    EXPECT_FALSE(overlapping.collidesWithContact().intersect);

    overlapping.b.radius = 0.9f;
    EXPECT_TRUE(overlapping.collides().intersect);
}

TEST(SeparatingAxis, OutlinesWithoutEdgesNeverCollide)
{
    for (std::size_t points : {0u, 1u}) {
        Pair pair({0, 0}, {0.5f, 0});
        pair.b.outline.resize(points, Ogre::Vector2::ZERO);
        EXPECT_FALSE(pair.collides().intersect) << points;
        EXPECT_FALSE(pair.collides().willIntersect) << points;
        EXPECT_FALSE(pair.collidesWithContact().intersect) << points;
        EXPECT_FALSE(pair.collidesWithContact().willIntersect) << points;
    }
}

namespace {

// The tests as the rules state them, one axis after the other over every
// outline point, to check the faster projection of four axes at a time.
CollisionResult referenceTest(const Obb& a, const Obb& b, const Ogre::Vector2& velocity, bool withContact)
{
    CollisionResult result;
    result.willIntersect = result.intersect = true;
    float minimum = std::numeric_limits<float>::infinity();
    Ogre::Vector2 translation = Ogre::Vector2::ZERO;
    for (const Obb* owner : {&a, &b})
        for (std::size_t i = 0; i + 1 < owner->outline.size(); ++i) {
            Ogre::Vector2 axis(-owner->edges[i].y, owner->edges[i].x);
            if (withContact)
                axis.normalise();
            float minA = INFINITY, maxA = -INFINITY, minB = INFINITY, maxB = -INFINITY;
            for (const Ogre::Vector2& p : a.outline) {
                minA = std::min(minA, axis.x * p.x + axis.y * p.y);
                maxA = std::max(maxA, axis.x * p.x + axis.y * p.y);
            }
            for (const Ogre::Vector2& p : b.outline) {
                minB = std::min(minB, axis.x * p.x + axis.y * p.y);
                maxB = std::max(maxB, axis.x * p.x + axis.y * p.y);
            }
            auto gap = [&] { return minA >= minB ? minA - maxB : minB - maxA; };
            if (gap() > 0)
                result.intersect = false;
            const float v = (withContact ? 1.0f : -1.0f) * (axis.x * velocity.x + axis.y * velocity.y);
            (v >= 0 ? maxA : minA) += v;
            const float d = gap();
            if (d > 0)
                result.willIntersect = false;
            if (!result.intersect && !result.willIntersect)
                return result;
            if (std::abs(d) < minimum) {
                minimum = std::abs(d);
                translation = (a.centre - b.centre).dotProduct(axis) < 0 ? -axis : axis;
            }
        }
    if (withContact && result.willIntersect)
        result.minimumTranslationVector = translation * minimum;
    return result;
}

// A convex outline of three to eight points on a circle round the centre.
void makeRandomOutline(Obb& obb, std::mt19937& random)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> angles(3 + random() % 6);
    for (float& angle : angles)
        angle = unit(random) * Ogre::Math::TWO_PI;
    std::sort(angles.begin(), angles.end());
    const Ogre::Vector2 centre(unit(random), unit(random));
    const float size = 0.05f + 0.2f * unit(random);
    obb.outline.clear();
    for (float angle : angles)
        obb.outline.push_back(centre + size * Ogre::Vector2(std::cos(angle), std::sin(angle)));
    obb.outline.push_back(obb.outline.front());
    for (std::size_t i = 0; i + 1 < obb.outline.size(); ++i)
        obb.edges[i] = obb.outline[i] - obb.outline[i + 1];
    obb.centre = centre;
    obb.radius = 4.0f * size; // wide enough for every pair to reach the axes
}

} // namespace

TEST(SeparatingAxis, AgreesWithTheRulesAxisByAxis)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> speed(-0.2f, 0.2f);
    int meeting = 0, willMeet = 0;
    for (int round = 0; round < 2000; ++round) {
        Obb a, b;
        makeRandomOutline(a, random);
        makeRandomOutline(b, random);
        const Ogre::Vector2 velocity(speed(random), speed(random));
        for (bool withContact : {false, true}) {
            CollisionResult result;
            (withContact ? Obb::collidesWithContact : Obb::collides)(a, b, velocity, result);
            const CollisionResult expected = referenceTest(a, b, velocity, withContact);
            ASSERT_EQ(result.intersect, expected.intersect) << round;
            ASSERT_EQ(result.willIntersect, expected.willIntersect) << round;
            ASSERT_EQ(result.minimumTranslationVector, expected.minimumTranslationVector) << round;
        }
        meeting += referenceTest(a, b, velocity, false).intersect;
        willMeet += referenceTest(a, b, velocity, false).willIntersect;
    }
    // Both answers occur often enough to mean something.
    EXPECT_GT(meeting, 200);
    EXPECT_LT(meeting, 1800);
    EXPECT_GT(willMeet, meeting);
}
