// Reading the render system's video modes into resolution choices.
#include "frontend/videoModeChoices.h"

#include <cstdlib>

namespace {

// Narrower modes are never offered.
constexpr long narrowestOfferedWidth = 800;

struct videoMode {
    long width = 0;
    long height = 0;
};

// Width before the first "x", height after it; both 0 when there is no "x".
videoMode readVideoMode(const std::string& value)
{
    const std::size_t cross = value.find('x');
    if (cross == std::string::npos)
        return {};
    return {std::strtol(value.c_str(), nullptr, 10), std::strtol(value.c_str() + cross + 1, nullptr, 10)};
}

} // namespace

videoModeChoices collectVideoModeChoices(const std::vector<std::string>& modes, bool isWindowed,
                                         unsigned fullScreenWidth, unsigned fullScreenHeight)
{
    videoModeChoices choices;
    for (const std::string& value : modes) {
        if (value.find("16-bit") != std::string::npos)
            continue;
        const videoMode mode = readVideoMode(value);
        if (mode.width <= narrowestOfferedWidth)
            continue;
        if (!isWindowed && mode.width == static_cast<long>(fullScreenWidth)
            && mode.height == static_cast<long>(fullScreenHeight))
            choices.selected = static_cast<int>(choices.texts.size());
        choices.texts.push_back(value.substr(0, value.find('@')));
    }
    return choices;
}
