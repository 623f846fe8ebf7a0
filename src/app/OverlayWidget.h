// The program's one 2D element: a picture or a text on an Ogre overlay of its
// own, placed in screen units and sized from its texture and the viewport for
// a fixed reference aspect, animated as it comes on and goes off screen (fade,
// slide, scale, rotation), with an optional typewriter reveal of its text and
// an optional anchor that keeps it over a point of the 3D world. The HUD, the
// menus, the triggers and the level build their on-screen elements from it.
//
// A plain record: the owner fills the settings, calls create, sets up each
// appearance with setupAnimation, sets the transition state (1 appearing,
// 4 disappearing) and calls update every frame. The code is split by purpose:
// OverlayWidget.cpp (elements and content), OverlayWidgetLayout.cpp (sizing
// and placing), OverlayWidgetAnimation.cpp (transitions) and
// OverlayWidgetText.cpp (typewriter and text measuring).
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <cstdint>
#include <string>

namespace Ogre {
class Camera;
class Overlay;
class OverlayContainer;
class TextAreaOverlayElement;
} // namespace Ogre

class OverlayWidget {
public:
    OverlayWidget();
    // Copies the settings (not the custom pixel and viewport sizes), then
    // creates the Ogre elements unless told not to.
    OverlayWidget(const OverlayWidget& source, bool withoutOgreObjects = false);
    ~OverlayWidget();
    OverlayWidget& operator=(const OverlayWidget&) = delete;

    void reset();
    void create();
    void createContent();
    void destroyOverlays();
    // (width / height of one frame of the picture's texture, 1.0); also stores
    // the frame's pixel size.
    Ogre::Vector2 getPictureAspect();
    void fitToViewport();
    void setupAnimation();
    // Screen placement of an anchored widget over the world point.
    void placeAt3D(const Ogre::Vector3& point);
    void update(double dt, const Ogre::Vector3& point);
    void setVisible(bool visible);
    void setText(const std::string& newText);
    void setZOrder(std::uint16_t value);
    void setDimmed(bool dimmed);
    void updateCharHeight();
    void updateTypewriter(double dt);
    void updateFadeIn();
    void animateScroll();
    void animateScale();
    void animateRotation();
    // The aspect (width / height) the text is laid out for.
    float textAspect() const;
    // The summed glyph aspects of the longest line in the widget's font,
    // measured again only when the line or the font changes.
    float measuredGlyphAspects() const;

    bool isFitWidth = false;
    bool isAnchored = false;
    float width = 0.0f;
    float height = 0.0f;
    double elapsed = 0.0;
    double shownTime = 0.0;
    double appearTime = 0.0;
    double disappearTime = 0.0;
    float appearDuration = 0.5f;
    float holdDuration = 5.0f;
    float disappearDuration = 0.5f;
    float scaleX = 0.5f;
    float scaleY = 0.5f;
    float pixelWidth = 256.0f;
    float pixelHeight = 256.0f;
    float customPixelWidth = 0.0f;
    float customPixelHeight = 0.0f;
    float spareFactor = 1.0f;
    // Seconds per revealed character; 0 shows the whole text at once.
    float revealInterval = 0.0f;
    float revealTimer = 0.0f;
    // Characters (code points) shown so far.
    int revealedCount = 0;
    // Values of transitionState; any other value runs no transition.
    static constexpr unsigned transitionAppearing = 1;
    static constexpr unsigned transitionDisappearing = 4;
    unsigned transitionState = 0;
    bool isFadeIn = true;
    bool isFadeOut = true;
    // Where a slide-in starts, where a slide-out ends, and the widget's place,
    // in overlay scroll units.
    Ogre::Vector2 slideStart = Ogre::Vector2::ZERO;
    Ogre::Vector2 slideEnd = Ogre::Vector2::ZERO;
    Ogre::Vector2 position = Ogre::Vector2::ZERO;
    // Degrees of the rotate-in start and the rotate-out end.
    float startAngle = 0.0f;
    float endAngle = 0.0f;
    // Percent of the scale-in start and the scale-out end.
    Ogre::Vector2 startScale = Ogre::Vector2(100.0f, 100.0f);
    Ogre::Vector2 endScale = Ogre::Vector2(100.0f, 100.0f);
    // 0 from the left, 1 from the right, 2 from below, 3 from above (slide-in;
    // a slide-out leaves the opposite way).
    unsigned slideInDirection = 0;
    unsigned slideOutDirection = 0;
    bool isSlideIn = false;
    bool isSlideOut = false;
    bool isScaleIn = false;
    bool isScaleOut = false;
    bool isRotateIn = false;
    bool isRotateOut = false;
    std::string text;
    // The part of the text the typewriter shows.
    std::string displayedText;
    std::string fontName;
    // The material (and pictures library entry) of a picture widget.
    std::string pictureName;
    // Text size in pixels of a 400-pixel-high screen.
    unsigned charHeight = 32;
    // 0 centre, 1 left, 2 right.
    unsigned horizontalAlignment = 0;
    // Text: 0, 1, 2 put the text's top at minus half, zero or plus half its
    // block height. Pixel-sized picture: non-zero puts its bottom edge on its
    // point, zero centres it.
    unsigned verticalAlignment = 0;
    bool isText = true;
    unsigned zOrder = 300;
    bool spareFlag = false;
    // Sized from the custom viewport size and the window's own aspect.
    bool isWindowFrame = false;
    // A picture sized from its pixel size: 512 pixels are the screen's height.
    bool isPixelSize = false;
    bool isCustomPixel = false;
    std::wstring longestLine;
    float longestLineLength = 0.0f;
    float lineCount = 0.0f;
    Ogre::OverlayContainer* panel = nullptr;
    Ogre::Overlay* overlay = nullptr;
    Ogre::TextAreaOverlayElement* textArea = nullptr;
    Ogre::ColourValue colour = Ogre::ColourValue::White;
    float customViewportWidth = 0.0f;
    float customViewportHeight = 0.0f;
    float referenceAspect = 1.7777778f;
    // Letterbox factors applied to the scroll position.
    float factorX = 1.0f;
    float factorY = 1.0f;
    // Fades and dimming scale the RGB of the text colour too.
    bool isDarken = false;
    // The camera through which an anchored widget projects its world point.
    const Ogre::Camera* anchor = nullptr;

private:
    // The typewriter's caption is remade only when the text or the count of
    // characters shown changes; anything else that sets the caption clears
    // typedCount to `untyped`.
    static constexpr int untyped = -1;
    std::string countedText;
    int countedLength = 0;
    int typedCount = untyped;
    // The last measure of the longest line, and what it was taken of.
    struct LineMeasure {
        bool isValid = false;
        std::string fontName;
        std::wstring line;
        float glyphAspects = 0.0f;
    };
    mutable LineMeasure measured;

    std::string elementName() const;
    void createPictureContent();
    void createTextContent();
    void applyPictureAlpha(float alpha);
    void fitPicture(float aspect);
    void placePixelSizedPicture();
};

// (length of the longest '\n'-separated line in characters, number of lines).
Ogre::Vector2 measureTextLines(const std::string& text);
std::wstring longestTextLine(const std::wstring& text);
// Width of the widget's longest line in screen units, as its text area draws
// it (a space as wide as a "0").
float measureTextWidth(const OverlayWidget& widget);
