#include "data/GameSettingRow.h"

#include "data/AttributeValues.h"
#include "data/LibraryFile.h"
#include "world/FiniteVector.h"

#include <OgreStringConverter.h>

namespace {

using Ogre::StringConverter;

// Reals become timers, speeds, sizes and places on screen: one that is not
// finite reads as the converter's fallback, and none reaches past what Ogre
// accepts.
float finiteReal(float read) { return finiteIn(read, -largestDataReach, largestDataReach, 0.0f); }

float realOf(const std::string& text, Reading reading)
{
    return reading == Reading::whole ? static_cast<float>(StringConverter::parseInt(text, 0))
                                     : finiteReal(StringConverter::parseReal(text, 0.0f));
}

void convert(const std::string& text, Reading, bool& value) { value = StringConverter::parseBool(text, false); }

void convert(const std::string& text, Reading reading, int& value)
{
    value = reading == Reading::real ? truncatedInto<std::int32_t>(StringConverter::parseReal(text, 0.0f), 0)
                                     : StringConverter::parseInt(text, 0);
}

// "-1" wraps round to the largest value, as a count compared unsigned does.
void convert(const std::string& text, Reading, unsigned& value)
{
    value = static_cast<unsigned>(StringConverter::parseInt(text, 0));
}

void convert(const std::string& text, Reading reading, float& value) { value = realOf(text, reading); }

// Stored wide, read as the file's single-precision real (or whole number).
void convert(const std::string& text, Reading reading, double& value) { value = realOf(text, reading); }

void convert(const std::string& text, Reading, std::int64_t& value)
{
    Ogre::int64 read = 0;
    StringConverter::parse(text, read);
    value = read;
}

void convert(const std::string& text, Reading, std::string& value) { value = text; }

void convert(const std::string& text, Reading reading, Ogre::Vector2& value)
{
    if (reading == Reading::real) {
        const float scale = realOf(text, reading);
        value = Ogre::Vector2(scale, scale);
        return;
    }
    const Ogre::Vector2 read = StringConverter::parseVector2(text, Ogre::Vector2::ZERO);
    value = Ogre::Vector2(finiteReal(read.x), finiteReal(read.y));
}

Ogre::Vector4 finiteQuad(const Ogre::Vector4& read)
{
    return {finiteReal(read.x), finiteReal(read.y), finiteReal(read.z), finiteReal(read.w)};
}

void convert(const std::string& text, Reading, Ogre::Vector4& value)
{
    value = finiteQuad(StringConverter::parseVector4(text, Ogre::Vector4::ZERO));
}

void convert(const std::string& text, Reading reading, Ogre::ColourValue& value)
{
    if (reading == Reading::fourNumbers) {
        const Ogre::Vector4 read = finiteQuad(StringConverter::parseVector4(text, Ogre::Vector4::ZERO));
        value = Ogre::ColourValue(read.x, read.y, read.z, read.w);
        return;
    }
    const Ogre::ColourValue read = StringConverter::parseColourValue(text, Ogre::ColourValue::Black);
    value = Ogre::ColourValue(finiteReal(read.r), finiteReal(read.g), finiteReal(read.b), finiteReal(read.a));
}

} // namespace

void SettingRow::applyAbsent() const
{
    std::visit(
        [](const auto& row) {
            if (row.absent)
                *row.setting = *row.absent;
        },
        target);
}

void SettingRow::read(const XmlNode& section) const
{
    if (need == Need::optional && !attributeText(section, attribute))
        return;
    const std::string text = reportedRequiredText(section, attribute);
    std::visit([&text, this](const auto& row) { convert(text, reading, *row.setting); }, target);
}
