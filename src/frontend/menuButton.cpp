// A menu entry's text widgets: building them by entry type, measuring the
// entry, drawing it at a position, scale and colour, and its own slide and
// focus pulse.
#include "frontend/menuButton.h"

#include "app/Interpolation.h"
#include "app/TextUtils.h"
#include "core/Game.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <algorithm>
#include <array>

namespace {

// Value entries are drawn at this share of the font size, except the
// entries that start, leave, apply or answer.
constexpr float valueFontScale = 0.6f;
const std::array<const char*, 5> fullSizeTexts = {"START", "EXIT", "APPLYGFX", "YES", "NO"};
// Inactive entries and the arrow at either end of a choice are dimmed.
constexpr float dimFactor = 0.7f;
// The gap between the parts is this share of the label's character size.
constexpr float gapPerCharSize = 0.0005f;
// Text heights in screen units per point, of the label and of the value parts.
constexpr float labelHeightPerPoint = 0.00125f;
constexpr float valueHeightPerPoint = 0.000625f;
constexpr std::uint32_t verticalCentred = 0;
constexpr std::uint32_t verticalTop = 1;

bool showsChoice(std::uint32_t type) { return type == menuLeftRightChoice || type == menuSpinnerChoice; }

bool showsValue(std::uint32_t type) { return showsChoice(type) || type == menuKeyCode; }

bool isLabelOnly(std::uint32_t type)
{
    return type == menuDeactivated || type == menuBackScreen || type == menuHudButton || type == menuStartWebPage;
}

// (3 - 2u) u^2
double smoothstep(double u) { return (3.0 - 2.0 * u) * u * u; }

// 1 - left / duration: how far a timer counting down has gone; done at once
// when the duration is not positive.
double progress(double left, float duration) { return duration > 0.0f ? 1.0 - left / duration : 1.0; }

Ogre::ColourValue dimmed(const Ogre::ColourValue& colour) { return colour * dimFactor; }

// A text widget's character size: the size in points, truncated.
unsigned charSizeOf(float points) { return static_cast<unsigned>(std::max(points, 0.0f)); }

} // namespace

menuButton::menuButton() { fontSize = static_cast<float>(Game::getSingletonPtr()->startMenuFontSize); }

std::unique_ptr<OverlayWidget> menuButton::makeText(const std::string& caption, std::uint32_t alignment,
                                                    std::uint32_t verticalMode, unsigned charSize) const
{
    const Game& game = *Game::getSingletonPtr();
    auto widget = std::make_unique<OverlayWidget>();
    widget->text = caption;
    widget->horizontalAlignment = alignment;
    widget->verticalAlignment = verticalMode;
    widget->fontName = game.startMenuFont;
    widget->charHeight = charSize;
    widget->colour = game.startMenuFontColour;
    widget->isFadeIn = false;
    widget->isFadeOut = false;
    widget->create();
    widget->setupAnimation();
    widget->updateCharHeight();
    if (widget->overlay)
        widget->overlay->setZOrder(baseZOrder);
    return widget;
}

void menuButton::build(const void* context)
{
    owner = context;
    const bool isFullSize =
        std::find(fullSizeTexts.begin(), fullSizeTexts.end(), text) != fullSizeTexts.end();
    if (isActive && !isLabelOnly(type) && !isFullSize)
        fontScale = valueFontScale;
    fontSize *= fontScale;
    labelText = makeText(label, showsValue(type) ? alignLeft : align, verticalTop, charSizeOf(fontSize));
    const float menuFontSize = static_cast<float>(Game::getSingletonPtr()->startMenuFontSize);
    const unsigned partSize = charSizeOf(menuFontSize * fontScale);
    if (showsValue(type))
        valueText = makeText("value", alignLeft, verticalCentred, partSize);
    if (showsChoice(type)) {
        leftArrowText = makeText("<", alignLeft, verticalCentred, partSize);
        rightArrowText = makeText(">", alignLeft, verticalCentred, partSize);
    }
    scaleFrom = scale = scaleTo = 1.0f;
    colourFrom = colour = colourTo = labelText->colour;
    slideTime = 0.0;
    focusTime = 0.0;
    position.x = basePosition.x;
    updateTexts();
    setVisible(false);
}

float menuButton::gap() const { return labelText ? static_cast<float>(labelText->charHeight) * gapPerCharSize : 0.0f; }

float menuButton::getWidth() const
{
    if (!labelText)
        return 0.0f;
    const float g = gap();
    float width = measureTextWidth(*labelText);
    if (leftArrowText && rightArrowText && valueText)
        return width + g + measureTextWidth(*leftArrowText) + g + measureTextWidth(*valueText) + g +
               measureTextWidth(*rightArrowText);
    if (valueText)
        width += g + measureTextWidth(*valueText);
    return width;
}

void menuButton::updateTexts()
{
    for (OverlayWidget* part : {labelText.get(), leftArrowText.get(), rightArrowText.get(), valueText.get()})
        if (part)
            part->updateCharHeight();
}

void menuButton::setVisible(bool visible)
{
    for (OverlayWidget* part : {labelText.get(), valueText.get(), leftArrowText.get(), rightArrowText.get()})
        if (part)
            part->setVisible(visible);
}

void menuButton::setZOrder(std::uint16_t n)
{
    const auto z = static_cast<std::uint16_t>(baseZOrder + n);
    std::vector<OverlayWidget*> parts = {labelText.get()};
    if (valueText && type == menuKeyCode)
        parts.push_back(valueText.get());
    else if (leftArrowText)
        parts.insert(parts.end(), {leftArrowText.get(), valueText.get(), rightArrowText.get()});
    for (OverlayWidget* part : parts)
        if (part && part->overlay)
            part->overlay->setZOrder(z);
}

// A value part: coloured, at its left, scrolled and scaled like the label.
void menuButton::placePart(OverlayWidget& part, const Ogre::Vector2& at, float drawScale,
                           const Ogre::ColourValue& drawColour, float left)
{
    if (part.overlay) {
        part.overlay->setScroll(at.x + scroll.x, scroll.y - at.y);
        part.overlay->setScale(drawScale, drawScale);
    }
    if (!part.textArea)
        return;
    if (isCentredVertically)
        part.textArea->setTop(-fontSize * valueHeightPerPoint);
    part.textArea->setColour(drawColour);
    part.textArea->setLeft(left);
}

// "<" value ">", the arrow at either end of the choices dimmed.
void menuButton::drawChoice(const Ogre::Vector2& at, float drawScale, const Ogre::ColourValue& drawColour,
                            float valueLeft)
{
    const float g = gap();
    const bool isFirst = choiceIndex == 0;
    const bool isLast = choiceIndex == static_cast<std::int32_t>(choices.size()) - 1;
    placePart(*leftArrowText, at, drawScale, isFirst ? dimmed(drawColour) : drawColour, valueLeft + g);
    const float afterArrow = valueLeft + g + measureTextWidth(*leftArrowText) + g;
    placePart(*valueText, at, drawScale, drawColour, afterArrow);
    placePart(*rightArrowText, at, drawScale, isLast ? dimmed(drawColour) : drawColour,
              afterArrow + measureTextWidth(*valueText) + g);
}

void menuButton::applyTransform(const Ogre::Vector2& at, float drawScale, Ogre::ColourValue& drawColour)
{
    if (!labelText)
        return;
    // The value's text changes with the setting: it is measured as it is
    // now, before the entry's width is taken.
    if (valueText && valueText->text != measuredValue) {
        measuredValue = valueText->text;
        valueText->longestLine = longestTextLine(toWideString(measuredValue));
    }
    if (!isActive)
        drawColour = dimmed(drawColour);
    if (labelText->isDarken) {
        drawColour.r *= drawColour.a;
        drawColour.g *= drawColour.a;
        drawColour.b *= drawColour.a;
    }
    const float width = getWidth();
    float offset = -0.5f * width;
    if (align == alignLeft)
        offset = 0.0f;
    else if (align == alignRight)
        offset = -width;
    float valueLeft = 0.0f;
    Ogre::TextAreaOverlayElement* area = labelText->textArea;
    if (area) {
        area->setColour(drawColour);
        area->setLeft(showsValue(type) ? offset : 0.0f);
        if (isCentredVertically)
            area->setTop(-fontSize * labelHeightPerPoint * (drawScale * 0.5f));
    }
    if (showsValue(type))
        valueLeft = measureTextWidth(*labelText) + offset;
    if (labelText->overlay) {
        labelText->overlay->setScroll(at.x + scroll.x, scroll.y - at.y);
        labelText->overlay->setScale(drawScale, drawScale);
    }
    if (type == menuKeyCode && valueText)
        placePart(*valueText, at, drawScale, drawColour, valueLeft + gap());
    else if (leftArrowText)
        drawChoice(at, drawScale, drawColour, valueLeft);
}

void menuButton::update(double dt)
{
    focusTime = std::max(0.0, focusTime - dt);
    const double pulse = smoothstep(progress(focusTime, focusDuration));
    const auto pulseClamped = static_cast<float>(std::clamp(pulse, 0.0, 1.0));
    scale = scaleFrom + pulseClamped * (scaleTo - scaleFrom);
    slideDelay -= dt;
    if (slideDelay <= 0.0)
        slideTime -= dt;
    slideTime = std::max(0.0, slideTime);
    const auto slide = static_cast<float>(std::clamp(smoothstep(progress(slideTime, slideDuration)), 0.0, 1.0));
    position = slideFrom + slide * (slideTo - slideFrom);
    alpha = alphaFrom + slide * (alphaTo - alphaFrom);
    elapsed += static_cast<float>(dt);
    lerpColour(colour, colourFrom, colourTo, static_cast<float>(pulse));
    Ogre::ColourValue drawColour(colour.r, colour.g, colour.b, alpha);
    applyTransform(position, scale, drawColour);
}
