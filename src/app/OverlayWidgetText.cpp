// A widget's text: the typewriter that reveals it one character (code point)
// at a time with a tick of the text sound, and the measures of its lines.
#include "app/OverlayWidget.h"

#include "app/AudioService.h"
#include "app/CaptionText.h"
#include "app/GlyphAspects.h"
#include "app/ResourceLookup.h"
#include "app/TextUtils.h"
#include "app/WidgetTiming.h"
#include "core/Game.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <algorithm>

namespace {

constexpr float charHeightUnit = 0.0025f;

Ogre::FontPtr loadedFont(const std::string& name)
{
    return fontLoads(name) ? Ogre::FontManager::getSingleton().getByName(name) : Ogre::FontPtr();
}

} // namespace

void OverlayWidget::updateTypewriter(double dt)
{
    if (!textArea)
        return;
    if (text != countedText) {
        countedText = text;
        countedLength = static_cast<int>(codePointCount(text));
        typedCount = untyped;
    }
    if (revealInterval <= 0.0f) {
        if (revealedCount != countedLength) {
            displayedText = text;
            setCaptionText(*textArea, text);
            revealedCount = countedLength;
        }
        return;
    }
    if (revealNextCharacter(revealTimer, revealedCount, revealInterval, dt, countedLength)) {
        const Game& game = *Game::getSingletonPtr();
        playSound(game.textSound, game.textSoundVolume, noSoundPosition, false);
    }
    revealedCount = std::min(revealedCount, countedLength);
    if (revealedCount == typedCount)
        return;
    typedCount = revealedCount;
    displayedText = firstCodePoints(text, static_cast<std::size_t>(revealedCount));
    setCaptionText(*textArea, displayedText);
}

Ogre::Vector2 measureTextLines(const std::string& text)
{
    const std::wstring wide = toWideString(text);
    std::size_t longest = 0;
    std::size_t lines = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= wide.size(); ++i) {
        if (i < wide.size() && wide[i] != L'\n')
            continue;
        longest = std::max(longest, i - lineStart);
        lineStart = i + 1;
        if (i < wide.size())
            ++lines;
    }
    return Ogre::Vector2(static_cast<float>(longest), static_cast<float>(lines));
}

std::wstring longestTextLine(const std::wstring& text)
{
    std::wstring longest;
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = text.find(L'\n', lineStart);
        if (lineEnd == std::wstring::npos)
            lineEnd = text.size();
        if (lineEnd - lineStart > longest.size())
            longest = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
    }
    return longest;
}

float measureTextWidth(const OverlayWidget& widget)
{
    const Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const float vw = static_cast<float>(overlays.getViewportWidth());
    const float vh = static_cast<float>(overlays.getViewportHeight());
    if (!(vw > 0.0f && vh > 0.0f))
        return 0.0f;
    const bool unscaled = widget.isWindowFrame || widget.isPixelSize;
    const float aspect = widget.textAspect();
    float f = vw / vh > aspect ? 1.0f : vw / vh / aspect;
    if (unscaled)
        f = 1.0f;
    const float sum = static_cast<float>(widget.charHeight) * f * widget.measuredGlyphAspects();
    return unscaled ? sum * charHeightUnit : sum * charHeightUnit * vh / vw;
}

float OverlayWidget::measuredGlyphAspects() const
{
    if (measured.isValid && measured.fontName == fontName && measured.line == longestLine)
        return measured.glyphAspects;
    const Ogre::FontPtr font = loadedFont(fontName);
    measured.glyphAspects = font ? lineGlyphAspects(*font, longestLine) : 0.0f;
    measured.fontName = fontName;
    measured.line = longestLine;
    measured.isValid = true;
    return measured.glyphAspects;
}
