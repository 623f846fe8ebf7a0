// The start menu's layout and animation: where every screen's entries rest,
// their value texts, and each frame's slide, focus pulse, hover blink and
// flashes drawn through the entries.
#include "frontend/StartMenuState.h"

#include "app/Interpolation.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "frontend/controlBindings.h"

#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <algorithm>
#include <cmath>

namespace {

// The aspect the menu's horizontal positions are given for (4:3).
constexpr float referenceAspect = 1.33333f;
// Layout: gaps are this share of the interval setting, tighter on the long
// controls screens; a character size of one point is this many scroll units.
constexpr float gapFactor = 0.35f;
constexpr float controlsGapFactor = 0.8f;
constexpr float charHeightUnit = 0.003f;
// The high-score screen keeps its one entry below its table.
constexpr float highScoresEntryY = 0.2f;
// Drawing: a point of font size lifts a scaled entry by this much.
constexpr float scaleLiftUnit = 0.000625f;
constexpr double quarterTurn = 1.5707964;
// Hover blink and flash speeds, in radians per second.
constexpr double blinkSpeed = 8.0;
constexpr double flashSpeed = 45.0;
constexpr std::int32_t shownFullScreenMode = 2;

float smoothStep(float u) { return (3.0f - 2.0f * u) * u * u; }

// The text an entry shows as its value, empty when it shows none or when
// the keyboard screen writes it (key names). A pad button shows its name
// where it has one.
std::string valueTextOf(const menuButton& entry, bool isKeyboardScreen)
{
    if (entry.type == menuKeyCode && !isKeyboardScreen)
        return padButtonText(entry.choiceIndex);
    if (entry.type == menuSpinnerChoice)
        return std::to_string(entry.choiceIndex);
    if (entry.type == menuLeftRightChoice && !entry.choices.empty()) {
        const auto last = static_cast<std::int32_t>(entry.choices.size()) - 1;
        return entry.choices[static_cast<std::size_t>(std::clamp(entry.choiceIndex, 0, last))];
    }
    return {};
}

float charSizeOf(const menuButton& entry)
{
    return entry.labelText ? static_cast<float>(entry.labelText->charHeight) * charHeightUnit : 0.0f;
}

} // namespace

float startMenuState::windowAspect() const
{
    if (!renderWindow || renderWindow->getHeight() == 0)
        return 1.0f;
    return static_cast<float>(renderWindow->getWidth()) / static_cast<float>(renderWindow->getHeight());
}

void startMenuState::updateSelection()
{
    refreshKeyboardMenu();
    const float ratio = referenceAspect / windowAspect();
    for (auto& [name, screen] : screens)
        layoutScreen(name, screen, ratio);
    if (menuButton* resolution = findButton(videoScreenName, "RESOLUTION"))
        resolution->isActive = getOptionValue(videoScreenName, "FULLSCREEN") == shownFullScreenMode;
    placeLogo();
    updateEntries(0.0);
}

void startMenuState::layoutScreen(const std::string& name, startMenuScreen& screen, float ratio)
{
    if (screen.entries.empty())
        return;
    const bool isControls = name == keyboardScreenName || name == padScreenName;
    const float gap = game->startMenuFontInterval * gapFactor * (isControls ? controlsGapFactor : 1.0f);
    const Ogre::Vector2 centre = game->startMenuCenter;
    float height = 0.0f;
    for (auto& entry : screen.entries) {
        entry->scroll = Ogre::Vector2(entry->text == pressStartText ? 0.0f : centre.x * ratio, centre.y);
        const float size = charSizeOf(*entry);
        height += gap * size + size;
        const std::string value = valueTextOf(*entry, name == keyboardScreenName);
        if (entry->valueText && !value.empty())
            entry->valueText->setText(value);
        entry->updateTexts();
    }
    const float lastGap = gap * charSizeOf(*screen.entries.back());
    height -= lastGap;
    const float excess = height - centre.y - 1.0f;
    const float lift = excess > 0.0f ? excess * 0.5f : 0.0f;
    float offset = 0.0f;
    float previousGap = lastGap;
    float previousScale = 0.0f;
    for (auto& entry : screen.entries) {
        const float size = charSizeOf(*entry);
        // A full-size entry after smaller ones starts a new group.
        if (entry->fontScale == 1.0f && previousScale < 1.0f)
            offset += 2.0f * previousGap;
        entry->basePosition = name == highScoresScreenName ? Ogre::Vector2(0.0f, highScoresEntryY)
                                                           : Ogre::Vector2(0.0f, offset - height * 0.5f - lift);
        offset += gap * size + size;
        previousGap = gap * size;
        previousScale = entry->fontScale;
    }
}

void startMenuState::updateEntries(double dt)
{
    const float heightRatio = 1.0f / windowAspect();
    for (auto& [name, screen] : screens)
        for (auto& entry : screen.entries)
            animateEntry(*entry, dt, heightRatio);
    // The table runs until it has faded out, whichever screen the player
    // has gone on to: stopped halfway, it would stay over the menus.
    if (highScores && (currentScreen == highScoresScreenName || highScores->isShown()))
        highScores->update(dt);
}

void startMenuState::animateEntry(menuButton& entry, double dt, float heightRatio)
{
    const double focusLength = game->startMenutransitionFocusTime;
    entry.focusTime = std::max(0.0, entry.focusTime - dt);
    const float u = focusLength == 0.0 ? 1.0f : static_cast<float>(1.0 - entry.focusTime / focusLength);
    const float weight = std::clamp(smoothStep(u), 0.0f, 1.0f);
    const bool isPressStart = entry.text == pressStartText;
    entry.offsetX = entry.offsetXFrom + weight * (entry.offsetXTo - entry.offsetXFrom);
    const float shift = isPressStart ? 0.0f : entry.offsetX * heightRatio;

    Ogre::ColourValue target = entry.colourTo;
    if (game->isBlinkingHoover && entry.colourTo == game->startMenuFontHooverColour)
        lerpColour(target, entry.colourFrom, entry.colourTo, static_cast<float>((std::cos(clock * blinkSpeed) + 1.0) * 0.5));
    lerpColour(entry.colour, entry.colourFrom, target, weight);
    entry.scale = entry.scaleFrom + weight * (entry.scaleTo - entry.scaleFrom);

    const double slideLength = game->startMenutransitionScreenTime;
    entry.slideDelay -= dt;
    if (entry.slideDelay <= 0.0)
        entry.slideTime = std::max(0.0, entry.slideTime - dt);
    float progress = 1.0f;
    if (slideLength != 0.0)
        progress = static_cast<float>(std::sin((1.0 - entry.slideTime / slideLength) * quarterTurn));
    else if (isPressStart && pressStartFlashTime > 0.0)
        progress = 0.0f;
    if (entry.isHiding && progress >= 1.0f)
        entry.setVisible(false);
    entry.position = entry.slideFrom + progress * (entry.slideTo - entry.slideFrom);
    float alpha = entry.alphaFrom + progress * (entry.alphaTo - entry.alphaFrom);

    Ogre::ColourValue colour = entry.colour;
    if (isPressStart && pressStartFlashTime > 0.0) {
        pressStartFlashTime -= dt;
        alpha *= static_cast<float>((std::cos(pressStartFlashTime * flashSpeed) + 1.0) * 0.5);
        colour = entry.colourTo;
    } else if (entry.text == startText && startPulseTime > 0.0f) {
        startPulseTime -= static_cast<float>(dt);
        alpha *= static_cast<float>(std::cos(startPulseTime * flashSpeed) * 0.5 + 0.5);
        colour = entry.colourTo;
    }
    colour.a = alpha;
    const float lift = heightRatio * entry.fontSize * scaleLiftUnit;
    const Ogre::Vector2 drawn((entry.position.x + shift) * entry.scale, entry.position.y - (entry.scale * lift - lift));
    entry.applyTransform(drawn, entry.scale, colour);
}
