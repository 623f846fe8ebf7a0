#include "world/WorldTestScene.h"

#include "combat/ScreenGrid.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

// An outline drawn straight on the screen: a regular polygon round the
// centre, with the radius and movement the projection would give it.
void shape(Obb& obb, const Ogre::Vector2& centre, float reach, int corners, float turn, const Ogre::Vector2& movement)
{
    obb.outline.clear();
    for (int i = 0; i <= corners; ++i) {
        const float angle = turn + Ogre::Math::TWO_PI * static_cast<float>(i % corners) / static_cast<float>(corners);
        obb.outline.push_back(centre + reach * Ogre::Vector2(std::cos(angle), std::sin(angle)));
    }
    for (int i = 0; i < corners; ++i)
        obb.edges[static_cast<std::size_t>(i)] = obb.outline[static_cast<std::size_t>(i)] - obb.outline[static_cast<std::size_t>(i) + 1];
    obb.centre = centre;
    obb.movement = movement;
    obb.radius = 2.0f * (reach + movement.length());
}

struct Hit {
    std::int32_t target;
    bool willIntersect;
    bool shotAloneMeets;
    Ogre::Vector2 push;
    bool operator==(const Hit& other) const
    {
        return target == other.target && willIntersect == other.willIntersect &&
               shotAloneMeets == other.shotAloneMeets && push == other.push;
    }
};

// What the passes find for one shot: every target met, in target order, by
// the swept test with the velocity difference, by the swept test with the
// shot's movement alone (as against backgrounds) and by the contact test.
template <typename Targets>
std::vector<Hit> hitsOf(const Obb& shot, const std::vector<std::unique_ptr<Obb>>& outlines, const Targets& targets)
{
    std::vector<Hit> hits;
    for (std::int32_t number : targets) {
        const Obb& target = *outlines[static_cast<std::size_t>(number)];
        CollisionResult swept, alone, contact;
        Obb::collides(shot, target, shot.movement - target.movement, swept);
        Obb::collides(shot, target, shot.movement, alone);
        Obb::collidesWithContact(shot, target, shot.movement - target.movement, contact);
        if (swept.willIntersect || alone.willIntersect || contact.willIntersect)
            hits.push_back({number, swept.willIntersect, alone.willIntersect, contact.minimumTranslationVector});
    }
    return hits;
}

class Frame {
public:
    explicit Frame(unsigned seed) : random(seed) {}

    Ogre::Vector2 anywhere()
    {
        // A little beyond the screen on every side: targets off screen count too.
        std::uniform_real_distribution<float> across(-0.2f, 1.2f);
        return {across(random), across(random)};
    }
    // Centres on cell borders and corners, and squares that end on one.
    Ogre::Vector2 onABorder(int cells)
    {
        std::uniform_int_distribution<int> line(0, cells);
        std::uniform_real_distribution<float> along(0.0f, 1.0f);
        const float border = static_cast<float>(line(random)) / static_cast<float>(cells);
        switch (random() % 3) {
        case 0: return {border, along(random)};
        case 1: return {along(random), border};
        default: return {border, static_cast<float>(line(random)) / static_cast<float>(cells)};
        }
    }
    Obb& add(std::vector<std::unique_ptr<Obb>>& into, const Ogre::Vector2& centre, float largest)
    {
        std::uniform_real_distribution<float> size(0.0005f, largest), turn(0.0f, 6.3f), move(-0.01f, 0.01f);
        std::uniform_int_distribution<int> corners(3, 8);
        into.push_back(std::make_unique<Obb>());
        shape(*into.back(), centre, size(random), corners(random), turn(random), {move(random), move(random)});
        return *into.back();
    }

    std::mt19937 random;
};

} // namespace

// Many frames of random shots and targets, with shots on cell borders and
// outlines reaching over many cells, through grids whose shot reach covers
// every shot or only some: the grid's pass finds exactly the hits, in the
// same order, of testing every shot against every target; and it hands
// the tests few pairs that do not meet.
TEST(HitPassGrid, FindsExactlyTheHitsOfEveryPairInTargetOrder)
{
    struct Layout {
        int cells;
        float shotReach;
    };
    for (const Layout layout : {Layout{ScreenGrid::defaultCellsPerSide, ScreenGrid::defaultShotReach}, Layout{7, 0.01f}}) {
        ScreenGrid grid(layout.cells, layout.shotReach);
        std::size_t hitCount = 0, candidateCount = 0;
        for (unsigned seed = 1; seed <= 100; ++seed) {
            Frame frame(seed);
            std::vector<std::unique_ptr<Obb>> targets, shots;
            grid.clear();
            for (int i = 0; i < 40; ++i) {
                const Ogre::Vector2 at = i % 4 == 0 ? frame.onABorder(layout.cells) : frame.anywhere();
                grid.add(frame.add(targets, at, i % 10 == 0 ? 0.3f : 0.04f));
            }
            std::vector<std::int32_t> everyTarget;
            for (std::int32_t i = 0; i < grid.size(); ++i)
                everyTarget.push_back(i);
            for (int i = 0; i < 300; ++i) {
                const Ogre::Vector2 at = i % 2 ? frame.onABorder(layout.cells) : frame.anywhere();
                const Obb& shot = frame.add(shots, at, 0.01f);
                const ScreenGrid::Near near = grid.near(shot);
                candidateCount += static_cast<std::size_t>(near.end() - near.begin());
                const std::vector<Hit> byGrid = hitsOf(shot, targets, near);
                ASSERT_EQ(byGrid, hitsOf(shot, targets, everyTarget)) << "seed " << seed << " shot " << i;
                hitCount += byGrid.size();
            }
        }
        // The frames are dense enough that the comparison covers many hits.
        EXPECT_GT(hitCount, 2500u) << layout.cells;
        EXPECT_LT(candidateCount, 2 * hitCount) << layout.cells;
    }
}

// A target square that ends exactly on a cell border still meets a shot in
// the next cell, an outline of infinite radius is found from every cell,
// and outlines whose centre or radius is not a number are found as the pair
// test finds them: never.
TEST(HitPassGrid, BordersAndOddOutlines)
{
    ScreenGrid grid(4, 0.0f);
    std::vector<std::unique_ptr<Obb>> outlines;
    auto make = [&](Ogre::Vector2 centre, float reach) -> Obb& {
        outlines.push_back(std::make_unique<Obb>());
        shape(*outlines.back(), centre, reach, 4, 0.0f, Ogre::Vector2::ZERO);
        return *outlines.back();
    };
    // Its square and its right corner end on the border at 0.25.
    Obb& left = make({0.125f, 0.125f}, 0.125f);
    left.radius = 0.125f;
    // Its points lie in the far corner of the screen from its centre.
    Obb& huge = make({0.9f, 0.9f}, 0.1f);
    huge.centre = {-5.0f, -5.0f};
    huge.radius = std::numeric_limits<float>::infinity();
    Obb& lost = make({0.5f, 0.5f}, 0.1f);
    lost.centre.x = std::numeric_limits<float>::quiet_NaN();
    grid.add(left);
    grid.add(huge);
    grid.add(lost);

    auto nearOf = [&](const Obb& shot) {
        const ScreenGrid::Near near = grid.near(shot);
        return std::vector<std::int32_t>(near.begin(), near.end());
    };
    EXPECT_EQ(nearOf(make({0.2501f, 0.125f}, 0.0001f)), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(nearOf(make({0.9f, 0.7995f}, 0.001f)), (std::vector<std::int32_t>{1}));
    EXPECT_TRUE(grid.near(make({0.5f, 0.5f}, 0.2f)).empty());
    Obb& notANumber = make({0.1f, 0.1f}, 0.01f);
    notANumber.radius = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(grid.near(notANumber).empty());
}

// Outlines projected by the collision camera, flat and tall, turned, the
// shots moved between two projections and kept with their spots side by
// side as the pools keep them: queried by their stored spots, the grid
// finds exactly the hits of testing every pair.
TEST(HitPassGrid, ProjectedShotsByTheirStoredSpots)
{
    WorldTestScene world;
    world.addCamera("PlayCollisionCam", {0, 180, 0.001f}, Ogre::Vector3::ZERO)->setFOVy(Ogre::Degree(80));
    std::mt19937 random(5);
    std::uniform_real_distribution<float> across(-200.0f, 200.0f), turn(0.0f, 90.0f), size(1.0f, 12.0f), move(-3.0f, 3.0f);
    std::vector<std::unique_ptr<Obb>> targets, shots;
    constexpr std::size_t shotCount = 3000;
    std::vector<ScreenSpot> spots(shotCount);
    auto add = [&](std::vector<std::unique_ptr<Obb>>& into, const Ogre::Vector3& extent, bool isShot) -> Obb& {
        into.push_back(std::make_unique<Obb>());
        Obb& obb = *into.back();
        obb.size = extent;
        obb.rotation = {0, isShot ? 0.0f : turn(random), 0};
        obb.isAttached = isShot ? 1 : 0;
        obb.bindCamera(world.scene, world.addNode({across(random), 0, across(random) * 0.7f}));
        obb.init();
        return obb;
    };
    ScreenGrid grid;
    for (int i = 0; i < 60; ++i)
        grid.add(add(targets, {size(random), size(random), i % 2 ? 0.0f : size(random)}, false));
    for (std::size_t i = 0; i < shotCount; ++i)
        add(shots, {1, 1, 0}, true).spot = &spots[i];
    auto project = [&] {
        world.updateTransforms();
        for (auto* outlines : {&targets, &shots})
            for (auto& obb : *outlines)
                obb->updateScreenPolygon();
    };
    project();
    for (auto& shot : shots)
        shot->parentNode->translate(move(random), 0, move(random));
    project();
    grid.clear();
    std::vector<std::int32_t> everyTarget;
    for (const auto& target : targets)
        everyTarget.push_back(grid.add(*target));
    std::size_t hitCount = 0;
    for (std::size_t i = 0; i < shotCount; ++i) {
        const std::vector<Hit> byGrid = hitsOf(*shots[i], targets, grid.near(spots[i], *shots[i]));
        ASSERT_EQ(byGrid, hitsOf(*shots[i], targets, everyTarget)) << "shot " << i;
        hitCount += byGrid.size();
    }
    EXPECT_GT(hitCount, 50u);
}
