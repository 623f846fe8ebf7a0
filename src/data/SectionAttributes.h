// The attributes of one optional section element (a child such as "timers"
// or "overlay") that a reader turns into values with reader defaults: the
// default stands wherever the section, or an optional attribute, is absent;
// an attribute that is given but does not convert gives the converter's
// fallback (false, 0, the zero vector, black); numbers that are not finite
// do not convert.
#pragma once

#include "data/AttributeValues.h"
#include "data/LibraryFile.h"

#include <OgreColourValue.h>
#include <OgreQuaternion.h>
#include <OgreStringConverter.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

class SectionAttributes {
public:
    explicit SectionAttributes(const XmlNode* section) : section(section) {}
    // The first child of the name, the one a section is read from.
    static SectionAttributes child(const XmlNode& element, const char* name)
    {
        return SectionAttributes(element.first_node(name));
    }

    bool isPresent() const { return section != nullptr; }
    const XmlNode* element() const { return section; }
    // An attribute the section must carry: absent from a present section, it
    // reads as empty text.
    template <typename Value>
    Value required(const char* name, Value absent) const
    {
        return section ? converted(requiredText(*section, name), absent) : absent;
    }
    // `required`, and an absent attribute of a present section is also
    // reported with one "[ERROR] " line: the editor always writes it.
    template <typename Value>
    Value reported(const char* name, Value absent) const
    {
        return section ? converted(reportedRequiredText(*section, name), absent) : absent;
    }
    template <typename Value>
    Value optional(const char* name, Value absent) const
    {
        const char* text = section ? attributeText(*section, name) : nullptr;
        return text ? converted(text, absent) : absent;
    }
    // A count that drives a loop (shots, spawns, segments, drops), `read` as
    // a real by one of the above, cut toward zero and held within 0..most:
    // what one frame can do and the pools can give bound it. A count given
    // outside (negative, beyond most, not a number) is reported with one
    // "[ERROR] " line and reads as the nearest bound, a non-number as 0.
    std::int32_t heldCount(const char* name, float read, std::int32_t most) const
    {
        const std::int32_t count = truncatedInto<std::int32_t>(read, 0);
        const std::int32_t held = std::clamp(count, 0, most);
        const char* text = section ? attributeText(*section, name) : nullptr;
        if (text && (held != count || !std::isfinite(Ogre::StringConverter::parseReal(text))))
            reportUnusable(*section, name, text);
        return held;
    }

private:
    static bool converted(const std::string& text, bool) { return Ogre::StringConverter::parseBool(text, false); }
    static int converted(const std::string& text, int) { return Ogre::StringConverter::parseInt(text, 0); }
    static unsigned converted(const std::string& text, unsigned)
    {
        return Ogre::StringConverter::parseUnsignedInt(text, 0);
    }
    static float converted(const std::string& text, float) { return parseFiniteReal(text, 0.0f); }
    static std::string converted(const std::string& text, const std::string&) { return text; }
    static Ogre::Vector2 converted(const std::string& text, const Ogre::Vector2&)
    {
        return parseFiniteVector2(text, Ogre::Vector2::ZERO);
    }
    static Ogre::Vector3 converted(const std::string& text, const Ogre::Vector3&)
    {
        return parseFiniteVector3(text, Ogre::Vector3::ZERO);
    }
    static Ogre::Vector4 converted(const std::string& text, const Ogre::Vector4&)
    {
        return Ogre::StringConverter::parseVector4(text, Ogre::Vector4::ZERO);
    }
    static std::int64_t converted(const std::string& text, std::int64_t)
    {
        Ogre::int64 value = 0;
        return Ogre::StringConverter::parse(text, value) ? value : 0;
    }
    // Four numbers in the order w, x, y, z.
    static Ogre::Quaternion converted(const std::string& text, const Ogre::Quaternion&)
    {
        return Ogre::StringConverter::parseQuaternion(text, Ogre::Quaternion::IDENTITY);
    }
    static Ogre::ColourValue converted(const std::string& text, const Ogre::ColourValue&)
    {
        return Ogre::StringConverter::parseColourValue(text, Ogre::ColourValue::Black);
    }

    const XmlNode* section;
};
