// The attributes of one section element converted to the types of the fields
// they fill, for element readers that say per attribute whether the format
// requires it. A required attribute missing from a present section reads as
// the converter's fallback with one "[ERROR] " line; in an absent section
// every attribute reads as the absent value the reader passes. Numbers bound
// for scene nodes, timers and speeds come out finite.
#pragma once

#include "data/AttributeValues.h"
#include "data/SectionAttributes.h"
#include "world/FiniteVector.h"

#include <cstdint>
#include <string>

enum class Need { optional, required };

class SectionValues {
public:
    // The first child of the name, the one a section is read from.
    SectionValues(const XmlNode& parent, const char* name) : values(SectionAttributes::child(parent, name)) {}
    // The element itself, for repeating elements read one by one.
    explicit SectionValues(const XmlNode* section) : values(section) {}

    bool isPresent() const { return values.isPresent(); }
    std::string text(const char* name, Need need, const std::string& absent) const
    {
        return value(name, need, absent);
    }
    float real(const char* name, Need need, float absent) const { return finiteReal(value(name, need, absent)); }
    // A count written as a real: cut toward zero, within 32 bits.
    std::int32_t count(const char* name, Need need, std::int32_t absent) const
    {
        return truncatedInto<std::int32_t>(value(name, need, static_cast<float>(absent)), 0);
    }
    // A count that drives a loop, held within 0..most (SectionAttributes::heldCount).
    std::int32_t count(const char* name, Need need, std::int32_t absent, std::int32_t most) const
    {
        return values.heldCount(name, value(name, need, static_cast<float>(absent)), most);
    }
    std::int32_t integer(const char* name, Need need, std::int32_t absent) const
    {
        return value(name, need, static_cast<int>(absent));
    }
    // "-1" wraps round to the largest value.
    std::uint32_t unsignedInteger(const char* name, Need need, std::uint32_t absent) const
    {
        return value(name, need, static_cast<unsigned>(absent));
    }
    std::uint8_t flag(const char* name, Need need, std::uint8_t absent) const
    {
        return value(name, need, absent != 0) ? 1 : 0;
    }
    Ogre::Vector2 pair(const char* name, Need need, const Ogre::Vector2& absent) const
    {
        const Ogre::Vector2 read = value(name, need, absent);
        return {finiteReal(read.x), finiteReal(read.y)};
    }
    Ogre::Vector3 vector(const char* name, Need need, const Ogre::Vector3& absent) const
    {
        const Ogre::Vector3 read = value(name, need, absent);
        return {finiteReal(read.x), finiteReal(read.y), finiteReal(read.z)};
    }
    // Whether the attribute is given with a number that is not finite; such a
    // text is reported with one "[ERROR] " line.
    bool isUnusable(const char* name) const;
    // The attribute's value; `kept` instead when the text given is unusable.
    float usableReal(const char* name, Need need, float kept) const
    {
        return isUnusable(name) ? kept : real(name, need, kept);
    }
    Ogre::Vector2 usablePair(const char* name, Need need, const Ogre::Vector2& kept) const
    {
        return isUnusable(name) ? kept : pair(name, need, kept);
    }
    Ogre::Vector3 usableVector(const char* name, Need need, const Ogre::Vector3& kept) const
    {
        return isUnusable(name) ? kept : vector(name, need, kept);
    }
    // A placed object's scale, usable by a scene node (usableScale); a given
    // one that is not is reported with one "[ERROR] " line. An absent section
    // gives `absent` as it is.
    Ogre::Vector3 scale(const char* name, Need need, const Ogre::Vector3& absent) const;
    // A zero or non-finite quaternion turns nothing and cannot be normalised:
    // it reads as the converter's fallback, the identity.
    Ogre::Quaternion turn(const char* name, Need need,
                          const Ogre::Quaternion& absent = Ogre::Quaternion::IDENTITY) const
    {
        return usableTurn(value(name, need, absent), Ogre::Quaternion::IDENTITY);
    }

private:
    // Reals become speeds, timers and node offsets: one that is not finite
    // reads as the converter's own fallback, and none reaches past what Ogre
    // accepts.
    static float finiteReal(float read) { return finiteIn(read, -largestDataReach, largestDataReach, 0.0f); }

    template <typename Value>
    Value value(const char* name, Need need, Value absent) const
    {
        return need == Need::required ? values.reported(name, absent) : values.optional(name, absent);
    }

    SectionAttributes values;
};
