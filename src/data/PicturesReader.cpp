#include "data/PicturesReader.h"

#include "data/LibraryFile.h"
#include "data/pictureDefinition.h"

#include <memory>

namespace {

void readDirections(const XmlNode& element, pictureAnimation& animation)
{
    readOptional(element, "isCanChangeDirectionDuraingPlay", animation.isCanChangeDirectionDuraingPlay);
    readOptional(element, "isDirectional", animation.isDirectional);
    static const char* const names[] = {"dir01", "dir02", "dir03", "dir04", "dir05", "dir06", "dir07", "dir08"};
    for (std::size_t index = 0; index < animation.directionFrames.size(); ++index)
        readOptional(element, names[index], animation.directionFrames[index]);
}

pictureAnimation* readAnimation(const XmlNode& element)
{
    auto animation = std::make_unique<pictureAnimation>();
    animation->screenName = requiredText(element, "screenName");
    readOptional(element, "direction", animation->direction);
    readOptional(element, "behavior", animation->behavior);
    readOptional(element, "animType", animation->animType);
    readOptional(element, "isUseDuration", animation->isUseDuration);
    readOptional(element, "duration", animation->duration);
    readOptional(element, "speed", animation->speed);
    readOptional(element, "startFrame", animation->startFrame);
    readOptional(element, "endFrame", animation->endFrame);
    readOptional(element, "isStartRandomFrame", animation->isStartRandomFrame);
    readOptional(element, "isUseCustomTime", animation->isUseCustomTime);
    if (const XmlNode* directions = element.first_node("Directions"))
        readDirections(*directions, *animation);
    return animation.release();
}

// A later animation of the same name takes the slot of the earlier one.
void readAnimations(const XmlNode& element, pictureDefinition& picture)
{
    for (const XmlNode* child : childElements(element, "Animation")) {
        pictureAnimation*& slot = picture.animations[requiredText(*child, "name")];
        delete slot;
        slot = readAnimation(*child);
    }
}

// Every optional attribute is stored: the reader's own default when absent.
void readPicture(const XmlNode& element, pictureDefinition& picture)
{
    picture.screenName = reportedRequiredText(element, "screenName");
    picture.lineColumn = Ogre::Vector2(1.0f, 1.0f);
    readOptional(element, "lineColumn", picture.lineColumn);
    readOptional(element, "columnsRows", picture.lineColumn);
    picture.spriteAnimRate = 1.0f;
    readOptional(element, "spriteAnimRate", picture.spriteAnimRate);
    bool animated = false;
    readOptional(element, "animType", animated);
    picture.animType = animated ? 1 : 0;
    picture.isPixelFiltering = false;
    readOptional(element, "isPixelFiltering", picture.isPixelFiltering);
    picture.hasAlpha = true;
    readOptional(element, "hasAlpha", picture.hasAlpha);
    picture.isEditable = false;
    readOptional(element, "isEditable", picture.isEditable);
    picture.isParticleTexture = false;
    readOptional(element, "isParticleTexture", picture.isParticleTexture);
    picture.textureDimension = Ogre::Vector2::ZERO;
    readOptional(element, "textureDimension", picture.textureDimension);
    readAnimations(element, picture);
}

} // namespace

void loadPicturesGamebox(const std::string& fileName, const std::string& group,
                         std::map<std::string, pictureDefinition*>& library)
{
    readLibraryFile(fileName, group, "Picture", libraryFailureLine, [&library](const XmlNode& element) {
        const std::string name = reportedRequiredText(element, "name");
        if (library.count(name))
            return;
        auto picture = std::make_unique<pictureDefinition>();
        readPicture(element, *picture);
        library[name] = picture.release();
    });
}
