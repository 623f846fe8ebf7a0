// The picture panel behind an in-game screen: a centred "Panel" element in
// relative units on an overlay of its own, showing the screen's copy of a
// picture material, made more or less opaque through that material.
#pragma once

#include <OgreMaterial.h>

#include <string>

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre

struct ScreenPanel {
    // Creates the panel and its overlay, hidden, at the Z order.
    void create(const std::string& panelName, const std::string& overlayName, unsigned short zOrder);
    // Shows the material, or "defaultPicture" without one.
    void showMaterial(const Ogre::MaterialPtr& made);
    // Size and a position that centres the panel on the screen.
    void place(float width, float height);
    // The panel's position in relative units from the screen's centre.
    void moveTo(float left, float top);
    void setVisible(bool visible);
    // Through the custom parameter 1 when the material has a fragment
    // program to read it, else through texture unit 0's alpha blending.
    void setAlpha(float alpha);
    // Starts the picture's shader fully opaque, when it has one.
    void resetShaderAlpha();
    // Destroys the overlay and the panel and lets go of the material, then
    // removes the screen's own copy of its picture material, when the game's
    // group holds it: the panels of other screens keep theirs alive.
    void destroy(const std::string& ownMaterialName);

    Ogre::OverlayContainer* panel = nullptr;
    Ogre::Overlay* overlay = nullptr;
    Ogre::MaterialPtr material;
};
