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

namespace {

// A 16 x 16 picture, white, opaque within 4 pixels of its centre where it has alpha.
void makeTexture(const std::string& name, Ogre::PixelFormat format)
{
    Ogre::Image image(format, 16, 16);
    for (std::uint32_t y = 0; y < 16; ++y)
        for (std::uint32_t x = 0; x < 16; ++x) {
            const float dx = static_cast<float>(x) - 7.5f, dy = static_cast<float>(y) - 7.5f;
            const float alpha = dx * dx + dy * dy < 16.0f ? 1.0f : 0.0f;
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

TEST_F(AutoOutlineTexture, ASpriteSnakesBodyIsOutlinedByItsPictureTracedOnceForEverySnake)
{
    // Made in memory: the game takes them for files of its resources.
    for (const char* picture : {"autoOutlineWorm.png", "autoOutlineWorm_BODY.png"}) {
        makeTexture(picture, Ogre::PF_BYTE_RGBA);
        game.resourceAvailability[picture] = true;
    }
    ASSERT_TRUE(loadMeshResource("plane1U.mesh"));
    Wave wave("SpriteSnakes");
    wave.spriteName = "autoOutlineWorm.png";
    const auto outlinesOfASnake = [&] {
        Enemy snake;
        snake.isSnake = 1;
        snake.snakeNumber = 2;
        snake.wave = &wave;
        snake.sceneManager = scene->scene;
        snake.sceneNode = scene->scene->getRootSceneNode()->createChildSceneNode();
        snake.bodySpriteMaterial = createSpriteMaterial("autoOutlineWorm_BODY.png", false);
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
    ASSERT_EQ(first.size(), 2u) << "one outline for each segment of the body's own picture";
    ASSERT_EQ(game.autoObbCache.count("autoOutlineWorm_BODY.png"), 1u);
    for (const Ogre::Vector2& point : first[0]) {
        EXPECT_GT(point.length(), 0.7f) << point;
        EXPECT_LT(point.length(), 1.4f) << point;
    }
    EXPECT_EQ(first[1], first[0]);

    // A marked cache entry shows the next snake reads it instead of tracing.
    std::vector<Ogre::Vector2>& cached = game.autoObbCache["autoOutlineWorm_BODY.png"];
    std::fill(cached.begin(), cached.end(), Ogre::Vector2(0.5f, -0.5f));
    for (const OutlinePoints& points : outlinesOfASnake())
        for (const Ogre::Vector2& point : points)
            EXPECT_EQ(point, Ogre::Vector2(0.5f, -0.5f));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

} // namespace
