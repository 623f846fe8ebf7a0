// The layers overlay bars are drawn with: each a centred panel in relative
// units, with the bar's own copy of a picture material, on an overlay of its
// own. The HUD's bars, the gauges and the enemy life bar are made of them;
// their fill layers show their share of the texture through "uv_coords" and
// are tinted through the material's custom parameter 1.
#pragma once

#include <OgreColourValue.h>
#include <OgreMaterial.h>

#include <string>

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre

// The group the bars' material copies live in.
extern const char* const barMaterialGroup;

// The texture's picture material ("none" of "Media" for no texture) copied
// afresh as `copyName`; null when there is nothing to copy.
Ogre::MaterialPtr copyBarMaterial(const std::string& texture, const std::string& copyName);
// Removes the copy of that name, when there.
void removeBarMaterial(const std::string& name);
// A visible panel over the whole screen until the bar is laid out; a tinted
// one starts white.
Ogre::OverlayContainer* makeBarPanel(const std::string& name, const Ogre::MaterialPtr& material, bool isTinted);
Ogre::Overlay* makeBarOverlay(const std::string& name, Ogre::OverlayContainer* panel, unsigned short zOrder);
// Outside its share of the texture a fill layer draws nothing.
void clampBarToBorder(const Ogre::MaterialPtr& material);
// Destroys what exists of the layer and clears both pointers.
void destroyBarLayer(Ogre::Overlay*& overlay, Ogre::OverlayContainer*& panel);
// Sets the tint where the panel's material has a fragment program to read it.
void tintBarPanel(Ogre::OverlayContainer* panel, const Ogre::ColourValue& colour);
// The panel shows the texture from u0 to u1 across, printed to 6 digits.
void setBarTextureSpan(Ogre::OverlayContainer* panel, float u0, float u1);
// The panel shows the texture's rectangle from (u0, v0) to (u1, v1).
void setBarTextureRect(Ogre::OverlayContainer* panel, float u0, float v0, float u1, float v1);
