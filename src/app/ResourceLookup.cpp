#include "app/ResourceLookup.h"

#include "app/Log.h"

#include <OgreException.h>
#include <OgreFont.h>
#include <OgreFontManager.h>
#include <OgreResourceGroupManager.h>

namespace {

const char* const kFallbackFontSource = "Verdana.ttf";

void setDefaultGroupFontSource(Ogre::FontManager& fonts, const std::string& name)
{
    Ogre::ResourcePtr font = fonts.getResourceByName(name, Ogre::RGN_DEFAULT);
    if (font)
        static_cast<Ogre::Font*>(font.get())->setSource(kFallbackFontSource);
}

void resolveFontSource(Ogre::FontManager& fonts, const Ogre::Font& font)
{
    try {
        const std::string name = font.getName();
        if (!fonts.getResourceByName(name, Ogre::RGN_DEFAULT) || font.getSource().empty()) {
            logLine("[ERROR] font not found: ");
            setDefaultGroupFontSource(fonts, name);
        }
    } catch (const std::exception&) {
        logLine("[ERROR] font can't be loaded: " + font.getSource());
        setDefaultGroupFontSource(fonts, font.getName());
    }
}

} // namespace

std::string findResourceFilePath(const std::string& name)
{
    auto& groups = Ogre::ResourceGroupManager::getSingleton();
    const std::string& group = groups.findGroupContainingResource(name);
    Ogre::FileInfoListPtr infos = groups.findResourceFileInfo(group, name, false);
    if (infos->empty())
        return "";
    return infos->front().archive->getName() + "/" + name;
}

bool fontExists(const std::string& name)
{
    Ogre::FontManager* fonts = Ogre::FontManager::getSingletonPtr();
    if (!fonts)
        return false;
    auto it = fonts->getResourceIterator();
    while (it.hasMoreElements()) {
        if (it.getNext()->getName() == name)
            return true;
    }
    return false;
}

bool fontLoads(const std::string& name)
{
    Ogre::FontManager* fonts = Ogre::FontManager::getSingletonPtr();
    const Ogre::FontPtr font = fonts && fontExists(name) ? fonts->getByName(name) : Ogre::FontPtr();
    if (!font)
        return false;
    // Text is drawn premultiplied (see OverlayWidget::createTextContent), so
    // a glyph's colour must be its coverage: Ogre otherwise fills the colour
    // of the whole glyph cell. A font takes that setting only before it loads.
    if (!font->isLoaded())
        font->setAntialiasColour(true);
    try {
        font->load();
    } catch (const Ogre::Exception& error) {
        logLineOnce("[ERROR] can't load font " + name + " from " + font->getSource() + ": " + error.getDescription());
        // A second load of a font that failed crashes in Ogre: the font goes,
        // and its name falls back as an unknown font's does.
        fonts->remove(font);
        return false;
    }
    return true;
}

void resolveFontSources()
{
    Ogre::FontManager* fonts = Ogre::FontManager::getSingletonPtr();
    if (!fonts)
        return;
    auto it = fonts->getResourceIterator();
    while (it.hasMoreElements())
        resolveFontSource(*fonts, *static_cast<Ogre::Font*>(it.getNext().get()));
}
