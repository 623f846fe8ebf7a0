// The number that ends an object's name, which the Level uses to name copies.
#pragma once

#include <OgreStringConverter.h>

#include <cstdint>
#include <string>

// The digits after the name's last other character, 0 when there are none
// (too long a run counts 0 as well).
inline std::int32_t nameNumber(const std::string& name)
{
    const std::size_t lastOther = name.find_last_not_of("0123456789");
    const std::string digits = lastOther == std::string::npos ? name : name.substr(lastOther + 1);
    if (digits.empty() || digits.size() > 9)
        return 0;
    return Ogre::StringConverter::parseInt(digits);
}
