// Outlines traced over real textures: a picture with alpha is traced once
// and cached; one without alpha is logged and keeps the start octagon; a
// sprite snake's body segments wear the outline of their picture.
#include "support/LogCapture.h"
#include "support/RenderScene.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/materials/SpriteMaterials.h"
#include "world/AutoOutline.h"
#include "world/Obb.h"

#include <OgreImage.h>
#include <OgreSceneManager.h>
#include <OgreTextureManager.h>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// A 16 x 16 picture, white, opaque within the radius in pixels of its
// centre where it has alpha.
void makeTexture(const std::string& name, Ogre::PixelFormat format, float radius = 4.0f)
{
    Ogre::Image image(format, 16, 16);
    for (std::uint32_t y = 0; y < 16; ++y)
        for (std::uint32_t x = 0; x < 16; ++x) {
            const float dx = static_cast<float>(x) - 7.5f, dy = static_cast<float>(y) - 7.5f;
            const float alpha = dx * dx + dy * dy < radius * radius ? 1.0f : 0.0f;
            image.setColourAt(Ogre::ColourValue(1.0f, 1.0f, 1.0f, alpha), x, y, 0);
        }
    Ogre::TextureManager::getSingleton().loadImage(name, "GAMERSC", image);
}

class AutoOutlineTexture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }
    void TearDown() override
    {
        game.autoObbCache.clear();
        game.resourceAvailability.clear();
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

TEST_F(AutoOutlineTexture, APictureWithAlphaIsTracedAndCachedOneWithoutIsLogged)
{
    makeTexture("autoOutlineDisc.png", Ogre::PF_BYTE_RGBA);
    makeTexture("autoOutlineFlat.png", Ogre::PF_BYTE_RGB);

    Obb disc;
    computeAutoOBB(&disc, "autoOutlineDisc.png");
    // The disc spans about a quarter of the square from the centre.
    for (const Ogre::Vector2& point : disc.customPoints) {
        EXPECT_GT(point.length(), 0.7f) << point;
        EXPECT_LT(point.length(), 1.4f) << point;
    }
    ASSERT_EQ(game.autoObbCache.count("autoOutlineDisc.png"), 1u);
    EXPECT_TRUE(std::equal(disc.customPoints.begin(), disc.customPoints.end(),
                           game.autoObbCache["autoOutlineDisc.png"].begin()));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));

    Obb flat;
    computeAutoOBB(&flat, "autoOutlineFlat.png");
    EXPECT_EQ(flat.customPoints, autoOutlineStartPoints());
    EXPECT_TRUE(log.contains("[ERROR] autoOBB: no alpha for autoOutlineFlat.png"));
    EXPECT_EQ(game.autoObbCache.count("autoOutlineFlat.png"), 0u);
}

TEST_F(AutoOutlineTexture, ASpriteSnakesBodyAndTailAreOutlinedByTheirPicturesTracedOnceForEverySnake)
{
    // Made in memory: the game takes them for files of its resources. The
    // tail is the wider disc.
    const std::pair<const char*, float> pictures[] = {
        {"autoOutlineWorm.png", 4.0f}, {"autoOutlineWorm_BODY.png", 4.0f}, {"autoOutlineWorm_TAIL.png", 7.0f}};
    for (const auto& [picture, radius] : pictures) {
        makeTexture(picture, Ogre::PF_BYTE_RGBA, radius);
        game.resourceAvailability[picture] = true;
    }
    ASSERT_TRUE(loadMeshResource("plane1U.mesh"));
    Wave wave("SpriteSnakes");
    wave.spriteName = "autoOutlineWorm.png";
    const auto outlinesOfASnake = [&] {
        Enemy snake;
        snake.isSnake = 1;
        snake.snakeNumber = 3;
        snake.wave = &wave;
        snake.sceneManager = scene->scene;
        snake.sceneNode = scene->scene->getRootSceneNode()->createChildSceneNode();
        snake.bodySpriteMaterial = createSpriteMaterial("autoOutlineWorm_BODY.png", false);
        snake.tailSpriteMaterial = createSpriteMaterial("autoOutlineWorm_TAIL.png", false);
        snake.createVisuals();
        std::vector<OutlinePoints> points;
        for (const Obb* outline : snake.outlines) {
            EXPECT_TRUE(outline->isLayered);
            points.push_back(outline->customPoints);
        }
        snake.destroySnakeBody();
        return points;
    };

    const std::vector<OutlinePoints> first = outlinesOfASnake();
    ASSERT_EQ(first.size(), 3u) << "one outline for each segment of a picture of its own";
    ASSERT_EQ(game.autoObbCache.count("autoOutlineWorm_BODY.png"), 1u);
    ASSERT_EQ(game.autoObbCache.count("autoOutlineWorm_TAIL.png"), 1u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_GT(first[0][i].length(), 0.7f) << first[0][i];
        EXPECT_LT(first[0][i].length(), 1.4f) << first[0][i];
        EXPECT_GT(first[2][i].length(), 1.5f) << "the tail " << first[2][i];
        EXPECT_LT(first[2][i].length(), 2.2f) << "the tail " << first[2][i];
    }
    EXPECT_EQ(first[1], first[0]);

    // A marked cache entry shows the next snake reads it instead of tracing.
    std::vector<Ogre::Vector2>& cached = game.autoObbCache["autoOutlineWorm_BODY.png"];
    std::fill(cached.begin(), cached.end(), Ogre::Vector2(0.5f, -0.5f));
    const std::vector<OutlinePoints> second = outlinesOfASnake();
    ASSERT_EQ(second.size(), 3u);
    for (std::size_t segment = 0; segment < 2; ++segment)
        for (const Ogre::Vector2& point : second[segment])
            EXPECT_EQ(point, Ogre::Vector2(0.5f, -0.5f));
    EXPECT_EQ(second[2], first[2]);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

} // namespace
