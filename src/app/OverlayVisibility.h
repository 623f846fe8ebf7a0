// Showing and hiding overlays and overlay elements. A name the loaded
// overlay scripts lack is skipped, and so is everything while there is no
// overlay system: the debug and editor overlays are optional in a game.
#pragma once

#include <string>

namespace Ogre {
class Overlay;
} // namespace Ogre

void setOverlayVisible(Ogre::Overlay* overlay, bool visible);
void setOverlayVisible(const std::string& name, bool visible);
void setOverlayElementVisible(const std::string& name, bool visible);
