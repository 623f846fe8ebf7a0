#include "core/SettingValues.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <iomanip>
#include <limits>
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
SettingRead parsedInto(const std::string& text, Value& value)
{
    Value parsed{};
    if (!Ogre::StringConverter::parse(text, parsed))
        return SettingRead::none;
    value = parsed;
    return SettingRead::value;
}

template <typename Whole>
SettingRead parsedWhole(const std::string& text, Whole& value, Ogre::int64 lowest, Ogre::int64 highest)
{
    Ogre::int64 parsed = 0;
    if (parsedInto(text, parsed) != SettingRead::value)
        return SettingRead::none;
    if (parsed < lowest || parsed > highest)
        return SettingRead::outOfRange;
    value = static_cast<Whole>(parsed);
    return SettingRead::value;
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
        if (parseSetting(text, back) == SettingRead::value && back == value)
            return text;
    }
    return floatText(value, exactDigits);
}

std::string wholeNumberText(float value)
{
    if (!std::isfinite(value) || value != std::trunc(value))
        return settingText(value);
    std::ostringstream text;
    text << std::fixed << std::setprecision(0) << value;
    return text.str();
}

SettingRead parseSetting(const std::string& text, int& value, int lowest, int highest)
{
    return parsedWhole(text, value, lowest, highest);
}

SettingRead parseSetting(const std::string& text, int& value)
{
    return parseSetting(text, value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

SettingRead parseSetting(const std::string& text, unsigned& value)
{
    return parsedWhole(text, value, 0, std::numeric_limits<unsigned>::max());
}

SettingRead parseSetting(const std::string& text, bool& value) { return parsedInto(text, value); }

SettingRead parseSetting(const std::string& text, float& value)
{
    float parsed = 0.0f;
    if (parsedInto(text, parsed) != SettingRead::value || !std::isfinite(parsed))
        return SettingRead::none;
    value = parsed;
    return SettingRead::value;
}

SettingRead parseSetting(const std::string& text, std::string& value)
{
    if (text.empty())
        return SettingRead::none;
    value = text;
    return SettingRead::value;
}
