#include "app/OverlayTextFonts.h"

#include "app/ResourceLookup.h"

#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <vector>

namespace {

// Whether the text area draws with a font that is registered and loaded. A
// text area without any font draws nothing and is safe: the game's own
// widgets keep theirs that way when no font loads.
bool hasUsableFont(const Ogre::TextAreaOverlayElement& text)
{
    const Ogre::FontPtr& font = text.getFont();
    if (!font)
        return true;
    const std::string& name = font->getName();
    return fontLoads(name) && Ogre::FontManager::getSingleton().getByName(name) == font;
}

void collectTextAreas(Ogre::OverlayContainer& container, std::vector<Ogre::TextAreaOverlayElement*>& texts)
{
    for (const auto& child : container.getChildren()) {
        if (auto* text = dynamic_cast<Ogre::TextAreaOverlayElement*>(child.second))
            texts.push_back(text);
        if (auto* inner = dynamic_cast<Ogre::OverlayContainer*>(child.second))
            collectTextAreas(*inner, texts);
    }
}

std::vector<Ogre::TextAreaOverlayElement*> overlayTextAreas(Ogre::OverlayManager& overlays)
{
    std::vector<Ogre::TextAreaOverlayElement*> texts;
    auto it = overlays.getOverlayIterator();
    while (it.hasMoreElements())
        for (Ogre::OverlayContainer* container : it.getNext()->get2DElements())
            collectTextAreas(*container, texts);
    return texts;
}

} // namespace

void mendOverlayTextFonts()
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays)
        return;
    for (Ogre::TextAreaOverlayElement* text : overlayTextAreas(*overlays)) {
        if (hasUsableFont(*text))
            continue;
        if (fontLoads(fallbackFont)) {
            text->setFontName(fallbackFont);
            continue;
        }
        text->getParent()->removeChild(text->getName());
        overlays->destroyOverlayElement(text);
    }
}
