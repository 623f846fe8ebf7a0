#include "core/materials/PictureFrames.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"
#include "data/pictureDefinition.h"

#include <cmath>

namespace {

void reportOnce(const std::string& name, const std::string& problem)
{
    if (materialModule().reportedPictures.insert(name).second)
        logLine("[ERROR] picture " + name + ": " + problem);
}

int safeCount(float count, const std::string& name)
{
    // Also catches NaN, which fails every comparison.
    if (!(count >= 1.0f && count < 65536.0f)) {
        reportOnce(name, "tile count below 1, taken as 1");
        return 1;
    }
    return static_cast<int>(count);
}

} // namespace

tileCounts tileCountsOf(const pictureDefinition& picture, const std::string& name)
{
    return {safeCount(picture.lineColumn.x, name), safeCount(picture.lineColumn.y, name)};
}

float animationRate(const pictureAnimation& animation, const std::string& pictureName)
{
    if (!(animation.duration > 0.0f) || !std::isfinite(animation.duration)) {
        reportOnce(pictureName, "animation duration not above 0, taken as 1 second");
        return 1.0f;
    }
    return 1.0f / animation.duration;
}

Ogre::Vector2 pictureTextureSize(pictureDefinition& picture, const Ogre::TextureUnitState* unit)
{
    if (picture.textureDimension == Ogre::Vector2::ZERO && unit)
        picture.textureDimension = unitTextureSize(unit);
    const auto atLeastOne = [](float size) { return size >= 1.0f && std::isfinite(size) ? size : 1.0f; };
    return Ogre::Vector2(atLeastOne(picture.textureDimension.x), atLeastOne(picture.textureDimension.y));
}

pictureDefinition* findPicture(const std::map<std::string, pictureDefinition*>* library, const std::string& name)
{
    if (!library)
        return nullptr;
    const auto found = library->find(name);
    return found == library->end() ? nullptr : found->second;
}

float filterScaleFor(bool pixelFiltering)
{
    const Game* game = materialModule().game;
    return (game && game->spriteScale > 1.0f) || pixelFiltering ? 2.5f : 1.0f;
}
