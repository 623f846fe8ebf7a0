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

// Each returns false and leaves the value alone when the text holds none
// (empty, no number, or a number that is not finite). Whole numbers follow
// Ogre's converter: leading digits with C's base detection ("55.9" is 55).
bool parseSetting(const std::string& text, int& value);
bool parseSetting(const std::string& text, unsigned& value);
bool parseSetting(const std::string& text, bool& value);
bool parseSetting(const std::string& text, float& value);
bool parseSetting(const std::string& text, std::string& value);
