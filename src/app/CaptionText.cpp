#include "app/CaptionText.h"

#include "app/TextUtils.h"

#include <Overlay/OgreOverlayElement.h>

std::size_t codePointCount(const std::string& text) { return toWideString(text).size(); }

std::string firstCodePoints(const std::string& text, std::size_t count)
{
    return toNarrowString(toWideString(text).substr(0, count));
}

void setCaptionText(Ogre::OverlayElement& element, const std::string& text)
{
    element.setCaption(Ogre::DisplayString(toNarrowString(toWideString(text))));
}
