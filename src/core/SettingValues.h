// The text of one value in config.ini and back: each written text reads back
// as the value it was written from.
#pragma once

#include <string>

std::string settingText(int value);
std::string settingText(unsigned value);
std::string settingText(bool value);
// The shortest text that reads back as exactly this number.
std::string settingText(float value);
std::string settingText(const std::string& value);

// A decimal that is read back as a whole number: a whole value is written
// with all its digits, never with an exponent the reader would stop at.
std::string wholeNumberText(float value);

// What the text of a setting held.
enum class SettingRead {
    value,      // a value of the kind, now stored
    none,       // empty, no number, or a number that is not finite
    outOfRange, // a whole number the value cannot hold, a negative one for an unsigned value
};

// Each leaves the value alone unless it returns SettingRead::value. Whole
// numbers follow Ogre's converter: leading digits with C's base detection
// ("55.9" is 55), read in 64 bits so that a longer number is out of range
// rather than wrapped.
SettingRead parseSetting(const std::string& text, int& value);
SettingRead parseSetting(const std::string& text, unsigned& value);
SettingRead parseSetting(const std::string& text, bool& value);
SettingRead parseSetting(const std::string& text, float& value);
SettingRead parseSetting(const std::string& text, std::string& value);
// A whole number from `lowest` to `highest`.
SettingRead parseSetting(const std::string& text, int& value, int lowest, int highest);
