// Where Ogre draws a widget's text, read from its text area and overlay after
// a frame: the glyph quads laid out as Ogre's text area lays them (each
// glyph as wide as the font's aspect for it times the character height, a
// space as wide as the area's space width), then moved by the overlay's
// scale and scroll. For tests that check that texts do not run into each
// other or into pictures; it shares nothing with the program's measuring.
#pragma once

#include "app/OverlayWidget.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace drawntext {

// A rectangle of the view, 0 to 1 from its top left.
struct ScreenBox {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    bool isEmpty() const { return right <= left || bottom <= top; }
};

inline std::ostream& operator<<(std::ostream& out, const ScreenBox& box)
{
    return out << "(" << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom << ")";
}

// Boxes that share more than `tolerance` of the view along both axes.
inline bool overlap(const ScreenBox& a, const ScreenBox& b, float tolerance = 1e-4f)
{
    return std::min(a.right, b.right) - std::max(a.left, b.left) > tolerance
           && std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > tolerance;
}

// The rows of a text's box that its capitals and signs cover: Ogre's glyph
// quads hold the font's whole line, blank above the capitals and below the
// baseline. Stacked texts may reach into each other's quads, not here.
inline ScreenBox inkBand(ScreenBox box)
{
    const float height = box.bottom - box.top;
    box.bottom = box.top + 0.75f * height;
    box.top += 0.1f * height;
    return box;
}

// The box moved as the overlay moves its elements: scaled about the view's
// centre, then scrolled (both in the view's -1..1 units, y up).
inline ScreenBox throughOverlay(const ScreenBox& box, const Ogre::Overlay& overlay)
{
    const auto x = [&](float v) { return (overlay.getScaleX() * (2.0f * v - 1.0f) + overlay.getScrollX() + 1.0f) / 2.0f; };
    const auto y = [&](float v) { return (1.0f - (overlay.getScaleY() * (1.0f - 2.0f * v) + overlay.getScrollY())) / 2.0f; };
    return {x(box.left), y(box.top), x(box.right), y(box.bottom)};
}

// Width of one line of the caption in view widths, as the text area draws it.
inline float drawnLineWidth(Ogre::TextAreaOverlayElement& area, const std::wstring& line)
{
    const Ogre::FontPtr& font = area.getFont();
    const Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const float heightPerWidth =
        static_cast<float>(overlays.getViewportHeight()) / static_cast<float>(overlays.getViewportWidth());
    float width = 0.0f;
    for (const wchar_t character : line)
        width += character == L' ' ? area.getSpaceWidth()
                                   : font->getGlyphAspectRatio(static_cast<Ogre::Font::CodePoint>(character))
                                         * area.getCharHeight();
    return width * heightPerWidth;
}

// The box of the widget's drawn text (the lines' quads), empty when its
// overlay is hidden or it has no text.
inline ScreenBox drawnBox(const OverlayWidget& widget)
{
    if (!widget.textArea || !widget.overlay || !widget.overlay->isVisible())
        return {};
    Ogre::TextAreaOverlayElement& area = *widget.textArea;
    const std::wstring caption = area.getCaption().asWStr();
    if (caption.find_first_not_of(L" \n") == std::wstring::npos)
        return {};
    float widest = 0.0f;
    std::size_t lines = 0;
    for (std::size_t start = 0; start <= caption.size(); ++lines) {
        std::size_t end = caption.find(L'\n', start);
        if (end == std::wstring::npos)
            end = caption.size();
        widest = std::max(widest, drawnLineWidth(area, caption.substr(start, end - start)));
        start = end + 1;
    }
    float left = area._getDerivedLeft();
    if (area.getAlignment() == Ogre::TextAreaOverlayElement::Center)
        left -= widest / 2.0f;
    else if (area.getAlignment() == Ogre::TextAreaOverlayElement::Right)
        left -= widest;
    const float top = area._getDerivedTop();
    const ScreenBox box{left, top, left + widest, top + area.getCharHeight() * static_cast<float>(lines)};
    return throughOverlay(box, *widget.overlay);
}

// The box of a panel of an overlay, empty when either is hidden.
inline ScreenBox drawnBox(Ogre::OverlayElement& panel, const Ogre::Overlay& overlay)
{
    if (!overlay.isVisible() || !panel.isVisible())
        return {};
    const float left = panel._getDerivedLeft();
    const float top = panel._getDerivedTop();
    return throughOverlay({left, top, left + panel._getWidth(), top + panel._getHeight()}, overlay);
}

} // namespace drawntext
