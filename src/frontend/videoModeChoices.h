// The resolutions the video screen offers, read from the render system's
// "Video Mode" values ("1920 x 1080 @ 32-bit colour", "1920 x 1080", " 800 x  600").
#pragma once

#include <optional>
#include <string>
#include <vector>

struct videoModeChoices {
    // Each offered mode's text, up to its "@".
    std::vector<std::string> texts;
    // The offered mode equal to the fullscreen resolution, when one is.
    std::optional<int> selected;
};

// "1920 x 1080 @ 32-bit colour", "1920 x 1080" or " 800 x  600": the whole
// numbers before and after the "x" (blanks allowed, depth optional); false
// when the text holds no such size.
bool parseVideoMode(const std::string& text, unsigned& width, unsigned& height);

// Modes wider than 800 pixels, 16-bit ones left out; the fullscreen
// resolution is looked for only when the window is not windowed.
videoModeChoices collectVideoModeChoices(const std::vector<std::string>& modes, bool isWindowed,
                                         unsigned fullScreenWidth, unsigned fullScreenHeight);
