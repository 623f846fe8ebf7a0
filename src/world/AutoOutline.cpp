#include "world/AutoOutline.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialTextures.h"
#include "data/pictureDefinition.h"
#include "world/Obb.h"

#include <OgreImage.h>
#include <OgreTextureManager.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float squareHalf = 2.0f;
constexpr float marchStep = 0.01f;
constexpr float opaqueAlpha = 0.7f;

float textureCoordinate(float outlineCoordinate) { return outlineCoordinate * 0.25f + 0.5f; }

// Frames across and down of the sprite library's entry for the texture.
Ogre::Vector2 spriteFrames(const Game& game, const std::string& textureName)
{
    const auto found = game.spriteLibrary.find(textureName);
    if (found == game.spriteLibrary.end() || !found->second)
        return Ogre::Vector2(1.0f, 1.0f);
    return found->second->lineColumn;
}

// A count below 1 (which would leave no frame to read) counts as 1; a sheet
// of more frames than a picture can hold is cut to that.
float wholeFrames(float count)
{
    constexpr float mostFrames = 65536.0f;
    return count >= 1.0f ? std::trunc(std::min(count, mostFrames)) : 1.0f;
}

bool isOutside(const Ogre::Vector2& point)
{
    return point.x < -squareHalf || point.x > squareHalf || point.y < -squareHalf || point.y > squareHalf;
}

void setPoints(Obb& outline, const OutlinePoints& points)
{
    std::copy(points.begin(), points.end(), outline.customPoints.begin());
}

// The loaded texture with alpha, or null (logged when it has no alpha).
Ogre::TexturePtr analysableTexture(const std::string& textureName)
{
    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    if (!textures || !textures->resourceExists(textureName, "GAMERSC"))
        return Ogre::TexturePtr();
    Ogre::TexturePtr texture = loadTexture(textureName);
    if (!texture || isStandInTexture(textureName))
        return Ogre::TexturePtr();
    if (!texture->hasAlpha()) {
        logLine("[ERROR] autoOBB: no alpha for " + textureName);
        return Ogre::TexturePtr();
    }
    return texture;
}

// The picture is copied back from the texture once for the whole march: a
// GL pixel buffer copies the whole picture on every lock, and a lock of a
// GL texture's buffer does not read its texels back.
OutlinePoints traceTexture(Ogre::Texture& texture, const Ogre::Vector2& frames)
{
    if (texture.getNumFaces() == 0 || texture.getWidth() == 0 || texture.getHeight() == 0)
        return traceAutoOutline(Ogre::PixelBox(), frames);
    Ogre::Image picture;
    texture.convertToImage(picture);
    return traceAutoOutline(picture.getPixelBox(), frames);
}

} // namespace

OutlinePoints autoOutlineStartPoints()
{
    return {{{0.0f, -2.0f}, {0.0f, 2.0f}, {-2.0f, 0.0f}, {2.0f, 0.0f},
             {-2.0f, -2.0f}, {2.0f, -2.0f}, {2.0f, 2.0f}, {-2.0f, 2.0f}}};
}

Ogre::ColourValue readTexturePixels(const Ogre::PixelBox& pixels, const Ogre::Vector2& frames, float u, float v)
{
    if (!(u >= 0.0f && u <= 1.0f && v >= 0.0f && v <= 1.0f) || !pixels.data || pixels.getWidth() == 0 ||
        pixels.getHeight() == 0)
        return noTexelColour;
    const float framesAcross = wholeFrames(frames.x);
    const float framesDown = wholeFrames(frames.y);
    const auto across = static_cast<std::size_t>(framesAcross);
    const std::size_t middle = across * static_cast<std::size_t>(framesDown) / 2;
    const float sheetU = (static_cast<float>(middle % across) + u) / framesAcross;
    const float sheetV = (static_cast<float>(middle / across) + v) / framesDown;
    const auto x = static_cast<std::size_t>(static_cast<float>(pixels.getWidth() - 1) * sheetU);
    const auto y = static_cast<std::size_t>(static_cast<float>(pixels.getHeight() - 1) * sheetV);
    return pixels.getColourAt(x, y, 0);
}

OutlinePoints traceAutoOutline(const Ogre::PixelBox& pixels, const Ogre::Vector2& frames)
{
    OutlinePoints points = autoOutlineStartPoints();
    std::array<Ogre::Vector2, 8> directions;
    for (std::size_t i = 0; i < points.size(); ++i)
        directions[i] = (-points[i]).normalisedCopy() * marchStep;
    std::array<bool, 8> finished{};
    std::size_t left = points.size();
    while (left > 0) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (finished[i])
                continue;
            points[i] += directions[i];
            finished[i] = isOutside(points[i]) ||
                          readTexturePixels(pixels, frames, textureCoordinate(points[i].x),
                                            textureCoordinate(points[i].y)).a > opaqueAlpha;
            left -= finished[i] ? 1 : 0;
        }
    }
    return points;
}

void computeAutoOBB(Obb* outline, const std::string& textureName)
{
    if (!outline)
        return;
    Game& game = *Game::getSingletonPtr();
    const auto cached = game.autoObbCache.find(textureName);
    if (cached != game.autoObbCache.end() && cached->second.size() >= 8) {
        std::copy_n(cached->second.begin(), 8, outline->customPoints.begin());
        return;
    }
    setPoints(*outline, autoOutlineStartPoints());
    Ogre::TexturePtr texture = analysableTexture(textureName);
    if (!texture)
        return;
    const OutlinePoints points = traceTexture(*texture, spriteFrames(game, textureName));
    setPoints(*outline, points);
    game.autoObbCache[textureName] = std::vector<Ogre::Vector2>(points.begin(), points.end());
}
