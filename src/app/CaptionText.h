// Text of overlay captions, counted and cut by code point. Ogre keeps a
// caption as UTF-16 and throws on a cut or invalid UTF-8 sequence, which would
// end the main loop: every caption goes through setCaptionText, which repairs
// the text first (a bad sequence shows as U+FFFD).
#pragma once

#include <cstddef>
#include <string>

namespace Ogre {
class OverlayElement;
}

std::size_t codePointCount(const std::string& text);
// The first `count` code points of the text, as valid UTF-8.
std::string firstCodePoints(const std::string& text, std::size_t count);
void setCaptionText(Ogre::OverlayElement& element, const std::string& text);
