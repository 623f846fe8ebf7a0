// Reading the render system's video modes into resolution choices.
#include "frontend/videoModeChoices.h"

#include <cstdlib>

namespace {

// Narrower modes are never offered.
constexpr unsigned narrowestOfferedWidth = 800;

} // namespace

bool parseVideoMode(const std::string& text, unsigned& width, unsigned& height)
{
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos)
        return false;
    const std::size_t at = text.find('@', cross);
    const std::string heightText = text.substr(cross + 1, at == std::string::npos ? std::string::npos : at - cross - 1);
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str())
        return false;
    const long h = std::strtol(heightText.c_str(), &end, 10);
    if (end == heightText.c_str() || w <= 0 || h <= 0)
        return false;
    width = static_cast<unsigned>(w);
    height = static_cast<unsigned>(h);
    return true;
}

videoModeChoices collectVideoModeChoices(const std::vector<std::string>& modes, bool isWindowed,
                                         unsigned fullScreenWidth, unsigned fullScreenHeight)
{
    videoModeChoices choices;
    for (const std::string& value : modes) {
        if (value.find("16-bit") != std::string::npos)
            continue;
        unsigned width = 0, height = 0;
        if (!parseVideoMode(value, width, height) || width <= narrowestOfferedWidth)
            continue;
        if (!isWindowed && width == fullScreenWidth && height == fullScreenHeight)
            choices.selected = static_cast<int>(choices.texts.size());
        choices.texts.push_back(value.substr(0, value.find('@')));
    }
    return choices;
}
