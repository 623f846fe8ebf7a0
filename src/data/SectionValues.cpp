#include "data/SectionValues.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <sstream>

Ogre::Vector3 SectionValues::scale(const char* name, Need need, const Ogre::Vector3& absent) const
{
    if (!values.isPresent())
        return absent;
    const Ogre::Vector3 given = value(name, need, absent);
    const char* text = attributeText(*values.element(), name);
    if (!text)
        return usableScale(given);
    // Read again without the finite rule: a NaN or an infinity is unusable too.
    const Ogre::Vector3 written = Ogre::StringConverter::parseVector3(text, Ogre::Vector3::ZERO);
    const Ogre::Vector3 usable = usableScale(written);
    if (usable != written)
        reportUnusable(*values.element(), name, text);
    return usable;
}

bool SectionValues::isUnusable(const char* name) const
{
    const char* text = values.isPresent() ? attributeText(*values.element(), name) : nullptr;
    if (!text)
        return false;
    std::istringstream numbers(text);
    std::string number;
    while (numbers >> number)
        if (!std::isfinite(Ogre::StringConverter::parseReal(number, 0.0f))) {
            reportUnusable(*values.element(), name, text);
            return true;
        }
    return false;
}
