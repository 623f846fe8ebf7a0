// Shows a set of overlay elements only while one viewport renders: the
// level's background picture is drawn by the background viewport and must
// not show again in the game viewport drawn over it.
#pragma once

#include <OgreRenderTargetListener.h>

#include <set>

namespace Ogre {
class OverlayElement;
class Viewport;
} // namespace Ogre

class OverlayPreferer : public Ogre::RenderTargetListener {
public:
    explicit OverlayPreferer(Ogre::Viewport* preferred) : viewport(preferred) {}

    // Shown in the preferred viewport only; no longer among the hidden ones.
    void addOverlay(Ogre::OverlayElement* element);
    void preViewportUpdate(const Ogre::RenderTargetViewportEvent& event) override;

    std::set<Ogre::OverlayElement*> shownHere;
    std::set<Ogre::OverlayElement*> hiddenHere;
    Ogre::Viewport* viewport = nullptr;
    bool disabled = false;
};
