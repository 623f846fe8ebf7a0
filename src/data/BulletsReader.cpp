#include "data/BulletsReader.h"

#include "combat/bulletDefinition.h"
#include "data/LibraryFile.h"
#include "world/FiniteVector.h"

#include <OgreStringConverter.h>

namespace {

// What a size that is no finite number becomes: the record's own size.
constexpr float unusableSize = 1.0f;

// The sizes become the scales of the shot's node and outline, which Ogre
// refuses when they are not finite.
float sizeOf(const XmlNode& element, const char* name)
{
    const float size = Ogre::StringConverter::parseReal(reportedRequiredText(element, name), 0.0f);
    return finiteIn(size, -largestDataScale, largestDataScale, unusableSize);
}

// Every attribute is read, and an absent required one reported, even for an
// element whose name is already taken. A missing "group" is empty, not the
// record's "COMMON": such shots are turned as side assets.
bulletDefinition readBullet(const XmlNode& element)
{
    bulletDefinition read;
    read.name = reportedRequiredText(element, "name");
    read.screenName = reportedRequiredText(element, "screenName");
    read.group.clear();
    readOptional(element, "group", read.group);
    read.meshName = reportedRequiredText(element, "meshName");
    read.width = sizeOf(element, "width");
    read.heigth = sizeOf(element, "heigth");
    read.obbwidth = sizeOf(element, "obbwidth");
    read.obbheigth = sizeOf(element, "obbheigth");
    read.isSprite = Ogre::StringConverter::parseBool(reportedRequiredText(element, "isSprite"), false) ? 1 : 0;
    return read;
}

} // namespace

void loadBulletsGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, bulletDefinition*>& library)
{
    readLibraryFile(fileName, group, "Bullet", libraryFailureLine, [&library](const XmlNode& element) {
        const bulletDefinition read = readBullet(element);
        if (!library.count(read.name))
            library.emplace(read.name, new bulletDefinition(read));
    });
}
