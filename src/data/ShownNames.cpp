#include "data/ShownNames.h"

#include "app/CaptionText.h"
#include "app/Log.h"
#include "data/XmlFile.h"

std::string shownName(const std::string& name, const std::string& attribute)
{
    // A code point takes a byte at least: a name of few bytes needs no count.
    if (name.size() <= maxShownNameLength || codePointCount(name) <= maxShownNameLength)
        return name;
    logLineOnce("[ERROR] " + xmlFileBeingRead() + ": " + attribute + " over the limit of "
                + std::to_string(maxShownNameLength) + " characters cut");
    return firstCodePoints(name, maxShownNameLength);
}
