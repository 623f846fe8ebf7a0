// One configurable element of the heads-up display, as the HUD layout file
// "gamebox.HUD" describes it: a text line (a fixed text, optionally followed
// by a number), a picture, or a bar of up to four textured layers. Its fields
// bear the names of the layout's attributes. The element owns its widget,
// its bar's overlays and panels, and the materials it clones for them.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <cstdint>
#include <string>

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre
class OverlayWidget;

// Values of HUDElement::type; every other value is a picture element.
enum hudElementType : std::int32_t {
    hudElementText = 0,
    hudElementBar = 2,
};

class HUDElement {
public:
    HUDElement();
    ~HUDElement();
    HUDElement(const HUDElement&) = delete;
    HUDElement& operator=(const HUDElement&) = delete;

    void initDefaults();
    // Builds the text or picture widget from the fields; its overlay stays
    // hidden until the HUD shows it.
    void create();
    // Copies the fields into the widget again and writes a text element's text.
    void applyDefinition();
    // The text, followed by the number it shows (eased towards the value)
    // when the element displays one.
    void updateText();
    // The number's text by the element's formatting flags.
    std::string formatValue(double value) const;
    // The hit points left (0 to 1) of the enemy the element follows; 0
    // without one.
    double lifeFraction() const;
    void setVisible(bool show);
    // Stores the three texture names and builds the bar's layers: the back,
    // the fill, the second fill (both from the front texture) and the ready
    // layer, each a panel on an overlay of its own.
    void createBar(const std::string& back, const std::string& front, const std::string& ready);
    // Places, sizes, fills and colours the bar's layers.
    void updateBar();
    // Removes the bar's overlays, panels and cloned materials.
    void destroyBar();

    std::string screenName;
    // -1 until the HUD gives the element an id after reading.
    std::int32_t UID;
    std::int32_t type;
    Ogre::Vector2 position;
    // Size factor of the text or picture and of every bar layer.
    float scale;
    bool isHidden;
    // Speed of the shown number's easing; 0 shows the value at once.
    float updateNumberAnimationSpeed;
    // The file gives one fade duration for both.
    double showFadeDuration;
    double hideFadeDuration;
    std::int32_t showHideCustomVariableName;

    // Text (and picture) of the element.
    std::string fontName;
    std::int32_t fontSize;
    Ogre::ColourValue textColor;
    // Handed to the widget; for bars 0 centres the bar on the position,
    // 1 puts its left edge there, 2 its right edge.
    std::int32_t align;
    // The widget's second alignment value.
    std::int32_t alignMode;
    std::string keyString;
    std::string text;
    std::string imageName;
    // The number that follows the text.
    std::string internalVariable;
    std::int32_t customVariable;
    bool isDisplayVariable;
    bool isInternalVariable;
    bool isTimeFormating;
    bool isThousandsFormating;
    // The value seen by the last refresh, the value shown and its step.
    double lastValue;
    double shownValue;
    float easeStep;

    // Bar: the fill runs left to right, or bottom to top; building the bar
    // decides it from the back texture's shape.
    bool isHorizontal;
    // Offset of the fill layers from the back layer, in tenths of the scale.
    Ogre::Vector2 lifeOffset;
    double maxValue;
    // Colours of the stacked fill layers.
    Ogre::Vector4 bar_color1;
    Ogre::Vector4 bar_color2;
    Ogre::Vector4 bar_color3;
    Ogre::Vector4 bar_color4;
    // Number of stacked fill layers, 1 to 4.
    std::int32_t layerNumber;
    bool isBossLifeBar;
    bool isEnemyHPLifeBar;
    // Fill of the bar, 0 to 1.
    float barValue;
    // The bar's opening: whether it runs, its time so far, its length and
    // the factor of its width.
    bool introRunning;
    float introTime;
    float barIntroDuration;
    float introWidthFactor;
    std::string backTextureName;
    std::string frontTextureName;
    std::string readyTextureName;
    // Layer sizes: texture pixels / 512.
    Ogre::Vector2 backSize;
    Ogre::Vector2 frontSize;
    Ogre::Vector2 readySize;

    OverlayWidget* widget = nullptr;
    Ogre::OverlayContainer* emptyLayer = nullptr;
    Ogre::OverlayContainer* lifeLayer = nullptr;
    Ogre::OverlayContainer* life2Layer = nullptr;
    Ogre::OverlayContainer* readyLayer = nullptr;
    Ogre::Overlay* emptyOverlay = nullptr;
    Ogre::Overlay* lifeOverlay = nullptr;
    Ogre::Overlay* life2Overlay = nullptr;
    Ogre::Overlay* readyOverlay = nullptr;

    // Shown with the HUD.
    bool isShown = false;

private:
    // The element's text, picture, font, colour, alignment, place and scale
    // onto the widget.
    void copyFields();
    // Ends every name the bar makes: unique among the living elements.
    std::string barSuffix() const;
    void measureBar();
    // The fill layers' colours at the fill (layers reached, 0 to 4), the
    // second fill layer shown where a lower layer shows through.
    void colourBar(float fill);
};
