// Glyph widths remembered per loaded font.
#include "app/GlyphAspects.h"

#include <OgreException.h>

#include <map>
#include <unordered_map>
#include <utility>

namespace {

// Ogre's text area leaves a space as wide as a "0" (no widget sets its own
// space width), whatever the font's own space glyph: a space is measured so.
constexpr Ogre::Font::CodePoint spaceCharacter = 0x20;
constexpr Ogre::Font::CodePoint spaceDrawnAs = 0x30;

// A font is known by its handle and its count of loads and unloads: a font
// made anew, or loaded again with other code point ranges, starts a new record.
using FontIdentity = std::pair<Ogre::ResourceHandle, std::size_t>;
using GlyphRecord = std::unordered_map<Ogre::Font::CodePoint, float>;

GlyphRecord& recordOf(const Ogre::Font& font)
{
    static std::map<FontIdentity, GlyphRecord> records;
    return records[{font.getHandle(), font.getStateCount()}];
}

float askedAspect(const Ogre::Font& font, Ogre::Font::CodePoint codePoint)
{
    try {
        return font.getGlyphInfo(codePoint).aspectRatio;
    } catch (const Ogre::Exception&) {
        return 0.0f;
    }
}

float rememberedAspect(const Ogre::Font& font, GlyphRecord& record, Ogre::Font::CodePoint codePoint)
{
    if (codePoint == spaceCharacter)
        codePoint = spaceDrawnAs;
    const auto known = record.find(codePoint);
    if (known != record.end())
        return known->second;
    const float aspect = askedAspect(font, codePoint);
    record.emplace(codePoint, aspect);
    return aspect;
}

} // namespace

float lineGlyphAspects(const Ogre::Font& font, const std::wstring& line)
{
    GlyphRecord& record = recordOf(font);
    float sum = 0.0f;
    for (wchar_t character : line)
        if (character != L'\n' && character != L'\r')
            sum += rememberedAspect(font, record, static_cast<Ogre::Font::CodePoint>(character));
    return sum;
}
