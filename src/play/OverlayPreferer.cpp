#include "play/OverlayPreferer.h"

#include <OgreOverlayElement.h>
#include <OgreRenderTarget.h>

void OverlayPreferer::addOverlay(Ogre::OverlayElement* element)
{
    hiddenHere.erase(element);
    shownHere.insert(element);
}

void OverlayPreferer::preViewportUpdate(const Ogre::RenderTargetViewportEvent& event)
{
    if (disabled)
        return;
    if (event.source != viewport) {
        for (Ogre::OverlayElement* element : shownHere)
            element->hide();
        return;
    }
    for (Ogre::OverlayElement* element : shownHere)
        element->show();
    for (Ogre::OverlayElement* element : hiddenHere)
        element->hide();
}
