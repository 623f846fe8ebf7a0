// A snake's body: its segments' meshes and outlines, the track the head
// leaves and the segments set along it, their spin and wobble.
#include "combat/MovingEnemyRig.h"

#include "world/Obb.h"

#include <OgreEntity.h>
#include <OgreMesh.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

void makeSnake(Enemy& snake, int segments)
{
    snake.isSnake = 1;
    snake.snakeNumber = segments;
    snake.snakeDistance = 5.0f;
}

} // namespace

TEST(SnakeBodyTest, SegmentsTakeTheBodyAndTailMeshesOrWearCopiesOfTheHeadsOutlines)
{
    struct Case {
        std::string head;
        std::vector<std::string> meshes; // of the segments
        std::size_t outlinesPerSegment;
    };
    const Case cases[] = {{"worm.mesh", {"worm_BODY.mesh", "worm_BODY.mesh", "worm_TAIL.mesh"}, 1},
                          {"eel.mesh", {"eel.mesh", "eel.mesh", "eel.mesh"}, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.head);
        PlayerScene scene;
        RenamedMeshes meshes{{"worm.mesh", "crate.mesh"},
                             {"worm_BODY.mesh", "rock.mesh"},
                             {"worm_TAIL.mesh", "pillar.mesh"},
                             {"eel.mesh", "crate.mesh"}};
        Enemy snake;
        makeSnake(snake, 3);
        snake.isSnakeBodyInvincible = 1;
        MovingEnemyRig rig(scene, snake);
        rig.wave.meshName = c.head;
        snake.outlines = {new Obb(), new Obb()};

        snake.createVisuals();

        ASSERT_EQ(snake.partEntities.size(), 3u);
        ASSERT_EQ(snake.outlines.size(), 2 + 3 * c.outlinesPerSegment);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(snake.partEntities[i]->getMesh()->getName(), c.meshes[i]);
            // Detached until the snake is shown.
            EXPECT_EQ(snake.segmentNodes[i]->getParentSceneNode(), nullptr);
            const Obb& outline = *snake.outlines[2 + i * c.outlinesPerSegment];
            EXPECT_EQ(outline.isInvicible, i < 2 ? 1 : 0) << "the tail takes its own flag";
            EXPECT_EQ(outline.parentNode, snake.segmentSpinNodes[i]);
        }
        EXPECT_EQ(snake.history.size(), 2u);
        const std::string firstPart = snake.partEntities.front()->getName();

        snake.destroySnakeBody();

        EXPECT_EQ(snake.outlines.size(), 2u);
        EXPECT_TRUE(snake.segmentNodes.empty());
        EXPECT_FALSE(scene.world.scene->hasEntity(firstPart));
    }
}

TEST(SnakeBodyTest, TheTrackIsCutToLengthAndTheSegmentsFollowItAtTheirSpacing)
{
    PlayerScene scene;
    RenamedMeshes meshes{{"worm.mesh", "crate.mesh"}};
    Enemy snake;
    makeSnake(snake, 10);
    MovingEnemyRig rig(scene, snake);
    rig.wave.meshName = "worm.mesh";
    snake.createVisuals();

    std::size_t longest = 0;
    for (int frame = 0; frame < 300; ++frame) {
        const Ogre::Vector3 previous = snake.sceneNode->getPosition();
        snake.sceneNode->translate(-1.0f, 0.0f, 0.5f);
        snake.updateSnake(1.0 / 60.0, previous, snake.sceneNode->getPosition());
        longest = std::max(longest, snake.history.size());
    }

    // (10 segments + 10) x spacing 5 / one record per 4 units.
    EXPECT_EQ(longest, 25u);
    EXPECT_EQ(snake.history.size(), 25u);
    const Ogre::Vector3 head = snake.sceneNode->getPosition();
    const Ogre::Vector3 backward = Ogre::Vector3(1.0f, 0.0f, -0.5f).normalisedCopy();
    for (std::size_t k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        Ogre::SceneNode* segment = snake.segmentNodes[k];
        EXPECT_TRUE(segment->getPosition().positionEquals(head + backward * 5.0f * static_cast<float>(k + 1), 1e-3f));
        EXPECT_TRUE((segment->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z).positionEquals(-backward, 1e-4f));
    }
}

TEST(SnakeBodyTest, AMirroredSnakeSpinsItsSegmentsTheOtherWayAndSegmentsWobbleOnTermsWithASpeed)
{
    for (const int symmetry : {1, -1}) {
        SCOPED_TRACE(symmetry);
        PlayerScene scene;
        RenamedMeshes meshes{{"worm.mesh", "crate.mesh"}};
        Enemy snake;
        makeSnake(snake, 2);
        snake.symmetry = symmetry;
        snake.hasAnimRot = 1;
        snake.AnimRot = {0.0f, 2.0f, 0.0f};
        snake.sinSpeed = {2.0f, 0.0f, 0.0f};
        snake.sindistance = {1.0f, 3.0f, 2.0f};
        snake.aliveTime = 1.25;
        snake.spawnDelay = 0.25;
        MovingEnemyRig rig(scene, snake);
        rig.wave.meshName = "worm.mesh";
        snake.createVisuals();

        snake.move(0.5, {}, &scene.player);

        // The head: 10 degrees of yaw whatever the mirror, and every wobble term.
        EXPECT_TRUE(snake.spinNode->getOrientation().equals(
            Ogre::Quaternion(Ogre::Degree(10.0f), Ogre::Vector3::UNIT_Y), Ogre::Radian(1e-4f)));
        EXPECT_TRUE(snake.offsetNode->getPosition().positionEquals(
            {std::sin(2.0f), 3.0f * std::cos(0.5f), 2.0f}, 0.01f));
        for (std::size_t i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            // A start turn of (2i + 1) x 0.3 x AnimRot degrees, then 10 degrees of the step.
            const float yaw = static_cast<float>(symmetry) * (static_cast<float>(2 * i + 1) * 0.6f + 10.0f);
            EXPECT_TRUE(snake.segmentSpinNodes[i]->getOrientation().equals(
                Ogre::Quaternion(Ogre::Degree(yaw), Ogre::Vector3::UNIT_Y), Ogre::Radian(1e-4f)));
            // Speeds 0 on y and z switch those terms off, whatever their amplitudes.
            const float t = 1.25f + 5.0f * 0.03f * static_cast<float>(i + 1);
            EXPECT_TRUE(snake.segmentOffsetNodes[i]->getPosition().positionEquals(
                {std::sin((t - 0.25f) * 2.0f), 0.0f, 0.0f}, 0.01f));
        }
    }
}
