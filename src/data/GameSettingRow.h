// One attribute of a game-file section and the Game setting it fills: the
// row type the section tables are made of. A row knows whether its section
// must carry the attribute, the value the setting takes when the attribute is
// absent (or that it keeps its earlier value), and how the text is read.
#pragma once

#include "data/SectionValues.h"
#include "data/XmlFile.h"

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

// The absent value of a setting that keeps what it held before the read.
struct Kept {};
inline constexpr Kept kept{};

// How an attribute's text is read when the file writes it in another form
// than the setting stores it.
enum class Reading {
    asStored,    // the setting's own kind
    whole,       // a whole number kept in a real setting
    real,        // a real cut toward zero into a whole setting, or one real
                 // made into a pair (value, value)
    fourNumbers, // four numbers kept as a colour (no alpha of its own)
};

class SettingRow {
public:
    template <typename Value>
    SettingRow(const char* attribute, Need need, Value& setting, std::common_type_t<Value> absent,
               Reading reading = Reading::asStored)
        : attribute(attribute), need(need), reading(reading), target(Target<Value>{&setting, std::move(absent)})
    {
    }
    template <typename Value>
    SettingRow(const char* attribute, Need need, Value& setting, Kept, Reading reading = Reading::asStored)
        : attribute(attribute), need(need), reading(reading), target(Target<Value>{&setting, std::nullopt})
    {
    }

    // Puts the setting to its absent value; a kept setting stays as it is.
    void applyAbsent() const;
    // Converts the attribute into the setting when the section carries it. A
    // required attribute the section lacks reads as the converter's fallback
    // and is reported with one "[ERROR] " line.
    void read(const XmlNode& section) const;

private:
    template <typename Value>
    struct Target {
        Value* setting;
        std::optional<Value> absent;
    };

    const char* attribute;
    Need need;
    Reading reading;
    std::variant<Target<bool>, Target<int>, Target<unsigned>, Target<float>, Target<double>, Target<std::int64_t>,
                 Target<std::string>, Target<Ogre::Vector2>, Target<Ogre::Vector4>, Target<Ogre::ColourValue>>
        target;
};
