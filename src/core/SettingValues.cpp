#include "core/SettingValues.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <sstream>

namespace {

// Ogre's own text of a float has 6 significant digits; up to 9 are needed
// for every float to read back unchanged.
constexpr int shortestDigits = 6;
constexpr int exactDigits = 9;

std::string floatText(float value, int digits)
{
    std::ostringstream text;
    text.precision(digits);
    text << value;
    return text.str();
}

// Through Ogre's converter, which says whether the text held a value.
template <typename Value>
bool parsedInto(const std::string& text, Value& value)
{
    Value parsed{};
    if (!Ogre::StringConverter::parse(text, parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace

std::string settingText(int value) { return std::to_string(value); }
std::string settingText(unsigned value) { return std::to_string(value); }
std::string settingText(bool value) { return value ? "true" : "false"; }
std::string settingText(const std::string& value) { return value; }

std::string settingText(float value)
{
    for (int digits = shortestDigits; digits < exactDigits; ++digits) {
        const std::string text = floatText(value, digits);
        float back = 0.0f;
        if (parseSetting(text, back) && back == value)
            return text;
    }
    return floatText(value, exactDigits);
}

bool parseSetting(const std::string& text, int& value) { return parsedInto(text, value); }

bool parseSetting(const std::string& text, unsigned& value) { return parsedInto(text, value); }

bool parseSetting(const std::string& text, bool& value) { return parsedInto(text, value); }

bool parseSetting(const std::string& text, float& value)
{
    float parsed = 0.0f;
    if (!parsedInto(text, parsed) || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseSetting(const std::string& text, std::string& value)
{
    if (text.empty())
        return false;
    value = text;
    return true;
}
