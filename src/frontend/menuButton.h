// One selectable line of an overlay menu: a label and, for choices, spinners
// and key bindings, a value part drawn beside it ("<" value ">" or a value).
// The entry owns its text widgets and the state of its slide and focus
// pulse; its owner hands it a position, a scale and a colour to draw with,
// either each frame through applyTransform or through its own update.
#pragma once

#include "app/OverlayWidget.h"
#include "core/MenuScreens.h"

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class menuButton {
public:
    // Values of `align`.
    static constexpr std::uint32_t alignCentre = 0;
    static constexpr std::uint32_t alignLeft = 1;
    static constexpr std::uint32_t alignRight = 2;
    // Overlay Z order of a menu's entries; the selected one is raised by 1.
    static constexpr std::uint16_t baseZOrder = 640;

    // Reads the font size from the Game.
    menuButton();

    // Creates the text widgets; the caller sets text, label, type,
    // fonctionName, maxValue, step and align first.
    void build(const void* owner);
    // Drawn width of the whole entry in screen units.
    float getWidth() const;
    // Refreshes the character height of every text (after a resize or a
    // change of text).
    void updateTexts();
    // Places and colours every text; the colour is modified in place.
    void applyTransform(const Ogre::Vector2& at, float drawScale, Ogre::ColourValue& drawColour);
    // Advances the entry's own slide and focus pulse, then draws it.
    void update(double dt);
    void setVisible(bool visible);
    void setZOrder(std::uint16_t n);

    // The BUTTON element's raw text: the key special entries are known by.
    std::string text = "button";
    // The text shown.
    std::string label = "button";
    std::uint32_t type = menuDeactivated;
    // The option or action the entry stands for.
    std::string fonctionName;
    std::int32_t maxValue = 100;
    std::int32_t step = 1;
    // An inactive entry is drawn dimmed and is never highlighted.
    bool isActive = true;
    bool isCentredVertically = true;
    std::uint32_t align = alignCentre;
    // Resting and current position, in overlay scroll units.
    Ogre::Vector2 basePosition = Ogre::Vector2::ZERO;
    Ogre::Vector2 position = Ogre::Vector2::ZERO;
    // Character size in points; multiplied by fontScale when built.
    float fontSize = 0.0f;
    float alphaFrom = 0.0f;
    float alphaTo = 0.0f;
    float alpha = 0.0f;
    // Horizontal shift of the focused entry.
    float offsetXFrom = 0.0f;
    float offsetX = 0.0f;
    float offsetXTo = 0.0f;
    float scaleFrom = 1.0f;
    float scale = 1.0f;
    float scaleTo = 1.0f;
    Ogre::ColourValue colourFrom = Ogre::ColourValue::White;
    Ogre::ColourValue colour = Ogre::ColourValue::White;
    Ogre::ColourValue colourTo = Ogre::ColourValue::White;
    Ogre::Vector2 slideFrom = Ogre::Vector2::ZERO;
    Ogre::Vector2 slideTo = Ogre::Vector2::ZERO;
    // Seconds left of the slide and of the focus pulse, and the wait before
    // the slide starts.
    double slideTime = 0.0;
    double focusTime = 0.0;
    double slideDelay = 0.0;
    bool isSlideReversed = false;
    // The entry hides itself when its slide ends.
    bool isHiding = false;
    // Value entries are drawn smaller (see build).
    float fontScale = 1.0f;
    // The text widgets; the value and arrows exist only for the types that
    // show a value.
    std::unique_ptr<OverlayWidget> labelText;
    std::unique_ptr<OverlayWidget> valueText;
    std::unique_ptr<OverlayWidget> leftArrowText;
    std::unique_ptr<OverlayWidget> rightArrowText;
    float focusDuration = 0.1f;
    float slideDuration = 0.4f;
    // Added to the position when the overlays are scrolled.
    Ogre::Vector2 scroll = Ogre::Vector2::ZERO;
    // Seconds since the entry was built.
    float elapsed = 0.0f;
    // 1 while the entry is the selected one.
    std::uint32_t isSelected = 0;
    std::int32_t choiceIndex = 0;
    // The shown values a choice entry steps through.
    std::vector<std::string> choices;
    // The owning screen's context; only stored.
    const void* owner = nullptr;

private:
    // The value text the value's measure was last taken from.
    std::string measuredValue;

    std::unique_ptr<OverlayWidget> makeText(const std::string& caption, std::uint32_t alignment,
                                            std::uint32_t verticalMode, unsigned charSize) const;
    void drawChoice(const Ogre::Vector2& at, float drawScale, const Ogre::ColourValue& drawColour, float valueLeft);
    void placePart(OverlayWidget& part, const Ogre::Vector2& at, float drawScale, const Ogre::ColourValue& drawColour,
                   float left);
    float gap() const;
};
