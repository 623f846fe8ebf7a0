// A spawner lays the copies of its wave's member out in its formation, turns
// each by its orientation rule and releases one per interval.
#include "combat/Spawner.h"

#include "combat/Enemy.h"
#include "platform/Random.h"
#include "support/LogCapture.h"
#include "support/VectorChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(SpawnerLayout, PlacesSpawnOneToNOfEachFormation)
{
    struct Case {
        const char* name;
        std::function<void(Spawner&)> setUp;
        std::vector<Ogre::Vector3> places;
    };
    const std::vector<Case> cases{
        {"point", [](Spawner& s) { s.numberOfSpawns = 3; },
         {Ogre::Vector3::ZERO, Ogre::Vector3::ZERO, Ogre::Vector3::ZERO}},
        {"arc of four",
         [](Spawner& s) {
             s.spawnType = spawnArc;
             s.numberOfSpawns = 4;
         },
         {{-30, 0, 0}, {0, 0, 30}, {30, 0, 0}, {0, 0, -30}}},
        {"half arc shrinking by 10 % a spawn",
         [](Spawner& s) {
             s.spawnType = spawnArc;
             s.numberOfSpawns = 2;
             s.endAngle = 180.0f;
             s.radius = {40.0f, 20.0f};
             s.offset = 10.0f;
         },
         {{-18, 0, 0}, {0, 0, 8}}},
        {"grid of 3 x 2, last row first",
         [](Spawner& s) {
             s.spawnType = spawnGrid;
             s.planeNbs = {3.0f, 2.0f};
             s.radius = {60.0f, 40.0f};
         },
         {{-20, 0, 10}, {0, 0, 10}, {20, 0, 10}, {-20, 0, -10}, {0, 0, -10}, {20, 0, -10}}},
        {"triangle of 3 rows",
         [](Spawner& s) {
             s.spawnType = spawnTriangle;
             s.planeNbs = {1.0f, 3.0f};
             s.radius = {50.0f, 30.0f};
         },
         {{0, 0, -10}, {-10, 0, 0}, {0, 0, 0}, {10, 0, 0}, {-20, 0, 10}, {-10, 0, 10}, {0, 0, 10}, {10, 0, 10},
          {20, 0, 10}}},
    };
    for (const Case& c : cases) {
        Spawner spawner;
        c.setUp(spawner);
        spawner.resetCount();
        ASSERT_EQ(spawner.numberOfSpawns, c.places.size()) << c.name;
        for (std::uint32_t k = 1; k <= spawner.numberOfSpawns; ++k) {
            spawner.nextIndex = k;
            expectNear(spawner.nextSpawnTransform().position, c.places[k - 1],
                       std::string(c.name) + ", spawn " + std::to_string(k));
        }
    }
}

TEST(SpawnerLayout, RandomBoxDrawsWholeUnitsAcrossTheBoxAndNothingAcrossLessThanAUnit)
{
    platform::seedRandom(7);
    Spawner spawner;
    spawner.spawnType = spawnRandomBox;
    spawner.radius = {60.0f, 0.5f};
    for (int draw = 0; draw < 50; ++draw) {
        const Ogre::Vector3 place = spawner.nextSpawnTransform().position;
        EXPECT_GE(place.x, -30.0f);
        EXPECT_LT(place.x, 30.0f);
        EXPECT_FLOAT_EQ(place.x + 30.0f, std::round(place.x + 30.0f));
        EXPECT_FLOAT_EQ(place.z, 0.0f) << "no modulo by zero below one unit";
    }
}

TEST(SpawnerLayout, CountsFollowTheLayoutCappedAt499AndNeverZero)
{
    struct Case {
        std::uint32_t spawnType;
        Ogre::Vector2 planeNbs;
        std::uint32_t numberOfSpawns;
        std::uint32_t expected;
        bool isError;
    };
    const Case cases[] = {
        {spawnGrid, {30, 20}, 1, 499, false},    {spawnTriangle, {1, 23}, 1, 499, false},
        {spawnTriangle, {1, 3}, 1, 9, false},    {spawnGrid, {3, 2}, 1, 6, false},
        {spawnPoint, {1, 1}, 600, 499, false},   {spawnArc, {1, 1}, 0, 1, true},
        {spawnGrid, {0, 2}, 1, 2, true},         {spawnTriangle, {1, 0.5f}, 1, 1, true},
    };
    for (const Case& c : cases) {
        LogCapture log;
        Spawner spawner;
        spawner.spawnType = c.spawnType;
        spawner.planeNbs = c.planeNbs;
        spawner.numberOfSpawns = c.numberOfSpawns;
        spawner.resetCount();
        EXPECT_EQ(spawner.numberOfSpawns, c.expected) << "type " << c.spawnType << ", " << c.planeNbs;
        EXPECT_EQ(log.containsPrefix("[ERROR] "), c.isError) << "type " << c.spawnType << ", " << c.planeNbs;
    }
}

TEST(SpawnerLayout, TurnsEachSpawnByItsOrientationRule)
{
    const Ogre::Quaternion halfTurn(0.0f, 0.0f, -1.0f, 0.0f); // the spawner's own default
    platform::seedRandom(3);
    const float t = static_cast<float>(platform::rand()) * 0.00019175345f;
    struct Case {
        const char* name;
        std::uint32_t orientationType;
        std::uint32_t spawnType;
        Ogre::Quaternion spawnerOrientation;
        Ogre::Vector3 place;
        Ogre::Vector3 forward; // where the spawn's +Z ends up
    };
    const Case cases[] = {
        {"none", orientNone, spawnArc, halfTurn, {10, 0, 0}, Ogre::Vector3::UNIT_Z},
        {"outward", orientOutward, spawnArc, Ogre::Quaternion::IDENTITY, {10, 0, 0}, Ogre::Vector3::UNIT_X},
        {"outward from a point", orientOutward, spawnPoint, halfTurn, {10, 0, 0}, Ogre::Vector3::UNIT_Z},
        {"inward", orientInward, spawnArc, Ogre::Quaternion::IDENTITY, {10, 0, 0}, Ogre::Vector3::NEGATIVE_UNIT_X},
        {"inward, turned spawner", orientInward, spawnArc, halfTurn, {10, 0, 0}, Ogre::Vector3::NEGATIVE_UNIT_X},
        {"random", orientRandom, spawnArc, halfTurn, {10, 0, 0}, {std::cos(t), 0.0f, std::sin(t)}},
        {"unknown rule keeps the spawner's", 9, spawnArc, halfTurn, {10, 0, 0}, Ogre::Vector3::NEGATIVE_UNIT_Z},
    };
    for (const Case& c : cases) {
        Spawner spawner;
        spawner.OrientationType = c.orientationType;
        spawner.spawnType = c.spawnType;
        spawner.orientation = c.spawnerOrientation;
        platform::seedRandom(3);
        const Ogre::Quaternion turn = spawner.orientSpawn(c.place, Ogre::Vector3::ZERO);
        expectNear(turn * Ogre::Vector3::UNIT_Z, c.forward, c.name);
    }
}

TEST(SpawnerLayout, ReleasesOneCopyPerIntervalAndNoneBefore)
{
    struct Case {
        float interval;
        double frameTime;
        std::vector<int> releaseFrames; // of copies 1, 2, 3
    };
    const Case cases[] = {
        {0.5f, 0.2, {4, 7, 10}}, // the timer restarts whole: no carry-over
        {0.5f, 5.0, {2, 3, 4}},  // a long frame releases one copy only
        {0.0f, 0.2, {1, 1, 1}},  // no interval: all at once
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<Enemy>> owned;
        std::vector<Enemy*> members;
        for (int i = 0; i < 4; ++i) {
            owned.push_back(std::make_unique<Enemy>());
            owned.back()->status = Enemy::statusWaitingCopy;
            members.push_back(owned.back().get());
        }
        Spawner spawner;
        spawner.members = &members;
        spawner.numberOfSpawns = 4;
        spawner.timeBetweenSpawns = c.interval;
        spawner.resetCount();
        std::vector<int> released(3, 0);
        for (int frame = 1; frame <= 12; ++frame) {
            spawner.update(c.frameTime);
            for (std::size_t copy = 1; copy < 4; ++copy)
                if (released[copy - 1] == 0 && members[copy]->status == Enemy::statusStarting)
                    released[copy - 1] = frame;
        }
        EXPECT_EQ(released, c.releaseFrames) << "interval " << c.interval << ", frame " << c.frameTime;
        EXPECT_EQ(members[0]->status, Enemy::statusWaitingCopy) << "member 0 is the wave's to start";
    }
}

} // namespace
