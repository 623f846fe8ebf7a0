// Outlines traced over pictures in memory: opaque, transparent, a sheet of
// frames, and the cache that spares a second trace.
#include "world/AutoOutline.h"

#include "core/Game.h"
#include "world/Obb.h"

#include <OgrePixelFormat.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A width x height picture, each pixel opaque when the rule says so.
struct Picture {
    template <class Rule>
    Picture(std::size_t width, std::size_t height, Rule isOpaque) : bytes(width * height * 4, 0)
    {
        for (std::size_t y = 0; y < height; ++y)
            for (std::size_t x = 0; x < width; ++x)
                bytes[(y * width + x) * 4 + 3] = isOpaque(x, y) ? 255 : 0;
        box = Ogre::PixelBox(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1,
                             Ogre::PF_BYTE_RGBA, bytes.data());
    }
    std::vector<std::uint8_t> bytes;
    Ogre::PixelBox box;
};

const Ogre::Vector2 oneFrame(1.0f, 1.0f);

TEST(AutoOutline, PointsStopOneStepInOnOpaqueAndJustBeyondTheFarSideOnClear)
{
    const Picture opaque(8, 8, [](std::size_t, std::size_t) { return true; });
    const Picture clear(8, 8, [](std::size_t, std::size_t) { return false; });
    const OutlinePoints start = autoOutlineStartPoints();
    const OutlinePoints onOpaque = traceAutoOutline(opaque.box, oneFrame);
    const OutlinePoints onClear = traceAutoOutline(clear.box, oneFrame);
    for (std::size_t i = 0; i < start.size(); ++i) {
        const Ogre::Vector2 step = -start[i].normalisedCopy() * 0.01f;
        EXPECT_LT(onOpaque[i].distance(start[i] + step), 1e-5f) << i;
        // Mirrored through the centre, pushed out by at most one step.
        EXPECT_LT(onClear[i].distance(-start[i] + step), 0.0101f) << i;
        EXPECT_GT(std::max(std::abs(onClear[i].x), std::abs(onClear[i].y)), 2.0f) << i;
    }
}

TEST(AutoOutline, ASheetIsReadInItsMiddleFrame)
{
    // 4 x 2 frames of 2 x 2 pixels; only frame 4 (column 0, row 1) is opaque.
    const Picture sheet(8, 4, [](std::size_t x, std::size_t y) { return x < 2 && y >= 2; });
    const struct {
        Ogre::Vector2 frames;
        float u, v, alpha;
    } samples[] = {
        {{4.0f, 2.0f}, 0.5f, 0.5f, 1.0f},
        {{1.0f, 1.0f}, 0.5f, 0.5f, 0.0f},
        {{1.0f, 1.0f}, 0.1f, 0.9f, 1.0f},
        {{0.0f, -3.0f}, 0.1f, 0.9f, 1.0f}, // counts below 1 read as one frame
        {{4.0f, 2.0f}, 1.5f, 0.5f, noTexelColour.a},
        {{4.0f, 2.0f}, 0.5f, -0.1f, noTexelColour.a},
    };
    for (const auto& sample : samples)
        EXPECT_FLOAT_EQ(readTexturePixels(sheet.box, sample.frames, sample.u, sample.v).a, sample.alpha)
            << sample.frames << " " << sample.u << "," << sample.v;
    EXPECT_EQ(readTexturePixels(Ogre::PixelBox(), oneFrame, 0.5f, 0.5f), noTexelColour);
}

TEST(AutoOutline, ACachedTextureIsCopiedAndAMissingOneKeepsTheStartPointsUncached)
{
    Game& game = *Game::getSingletonPtr();
    std::vector<Ogre::Vector2> cached;
    for (int i = 0; i < 8; ++i)
        cached.emplace_back(0.1f * static_cast<float>(i), -0.1f);
    game.autoObbCache["cached.png"] = cached;

    Obb fromCache;
    computeAutoOBB(&fromCache, "cached.png");
    EXPECT_TRUE(std::equal(cached.begin(), cached.end(), fromCache.customPoints.begin()));

    Obb missing;
    computeAutoOBB(&missing, "missing.png");
    EXPECT_EQ(missing.customPoints, autoOutlineStartPoints());
    EXPECT_EQ(game.autoObbCache.count("missing.png"), 0u);
    game.autoObbCache.clear();
}

} // namespace
