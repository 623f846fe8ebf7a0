// Small text helpers shared across the program: escaping and number formats for
// the HUD and the score file, wide/narrow conversion, file-name cleaning, name
// numbering, plus the message pump, an Euler conversion and unique ids.
#pragma once

#include <string>

namespace Ogre {
class Quaternion;
}

// Every double quote becomes "&quot;"; nothing else is escaped.
std::string escapeXmlQuotes(std::string text);

// Whole seconds as "MM:SS"; hours are dropped (3725 gives "02:05").
std::string formatTimeMinSec(const std::string& seconds);

// Style 0 groups with blanks, 1 with commas, 2 with points; others leave the text.
std::string formatThousands(const std::string& text, int style);

// Groups of three digits before the decimal point; a leading sign is not a digit.
std::string groupDigitsComma(const std::string& text);
std::string groupDigitsSpace(const std::string& text);
std::string groupDigitsPoint(const std::string& text);

std::string toNarrowString(const std::wstring& text);
std::wstring toWideString(const std::string& text);

// Drops the characters a file name cannot hold and the trailing blanks.
std::string sanitizeFileName(std::string name);

// "enemy" gives "enemy1", "enemy09" gives "enemy10"; an all-digit name gets the
// next number appended ("7" gives "78").
std::string incrementNameSuffix(const std::string& name);

// Lets the windowing system deliver its pending events during long work.
void pumpWindowsMessages();

// Degrees of the yaw-pitch-roll decomposition, written as (pitch, yaw, roll).
void quaternionToEulerDegrees(float& pitch, float& yaw, float& roll, const Ogre::Quaternion& q);

// A decimal number made from the time and a random draw, different on each call.
std::string generateUniqueId();
