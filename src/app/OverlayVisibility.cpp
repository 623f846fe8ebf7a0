#include "app/OverlayVisibility.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

void setOverlayVisible(Ogre::Overlay* overlay, bool visible)
{
    if (!overlay)
        return;
    if (visible)
        overlay->show();
    else
        overlay->hide();
}

void setOverlayVisible(const std::string& name, bool visible)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    setOverlayVisible(overlays ? overlays->getByName(name) : nullptr, visible);
}

void setOverlayElementVisible(const std::string& name, bool visible)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays || !overlays->hasOverlayElement(name))
        return;
    Ogre::OverlayElement* element = overlays->getOverlayElement(name);
    if (visible)
        element->show();
    else
        element->hide();
}
