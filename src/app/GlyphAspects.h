// How wide a font draws each character, remembered per font: Ogre answers a
// character the font lacks with an exception (and a log line), far too dear
// to ask again for every character of a long foreign text on every frame.
#pragma once

#include <Overlay/OgreFont.h>

#include <string>

// The sum over the line's characters ('\n' and '\r' left out) of the width /
// height of each as a text area draws it; a character the font cannot give
// counts nothing.
float lineGlyphAspects(const Ogre::Font& font, const std::wstring& line);
