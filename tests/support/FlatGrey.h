// Flat grey blocks in a captured window: pixels of one shade of grey whose
// patch ends in hard edges both across and down within a short span. The
// game's particles fade out from their middle and its clouds and surfaces
// end in soft or long edges; a particle drawn without its picture is a flat
// square of its colour with hard edges, and a burst of them a heap of blocks.
#pragma once

#include "support/X11Windows.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace flatgrey {

// Channels within a few steps of each other are grey; dark and bright ends
// are left out (the black of the sky, white text).
constexpr int greySpread = 6;
constexpr int darkest = 40;
constexpr int brightest = 230;
// Steps within a patch of one shade, and the least step of a hard edge.
constexpr int sameShade = 2;
constexpr int hardEdge = 24;
// The widest block counted, in pixels.
constexpr int blockSpan = 96;

inline int channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xffu); }

inline int colourStep(std::uint32_t a, std::uint32_t b)
{
    int step = 0;
    for (int shift : {0, 8, 16})
        step = std::max(step, std::abs(channel(a, shift) - channel(b, shift)));
    return step;
}

inline bool isGrey(std::uint32_t pixel)
{
    const int r = channel(pixel, 16), g = channel(pixel, 8), b = channel(pixel, 0);
    return std::max({r, g, b}) - std::min({r, g, b}) <= greySpread && r >= darkest && r <= brightest;
}

// Marks the pixels of a line (`count` pixels `stride` apart from `first`)
// whose run of one grey shade is short and ends in hard edges at both ends.
inline void markEnclosedRuns(const WindowImage& image, int first, int count, int stride, std::vector<bool>& marks)
{
    const auto at = [&](int index) { return image.pixels[static_cast<std::size_t>(first + index * stride)]; };
    for (int start = 1; start < count - 1;) {
        int end = start + 1;
        while (end < count && colourStep(at(end), at(start)) <= sameShade)
            ++end;
        const bool enclosed = end < count && end - start <= blockSpan && isGrey(at(start))
                              && colourStep(at(start - 1), at(start)) >= hardEdge
                              && colourStep(at(end), at(start)) >= hardEdge;
        for (int index = start; enclosed && index < end; ++index)
            marks[static_cast<std::size_t>(first + index * stride)] = true;
        start = end;
    }
}

} // namespace flatgrey

// The share of the window's pixels in flat grey blocks.
inline double flatGreyBlockShare(const WindowImage& image)
{
    const std::size_t size = image.pixels.size();
    if (size == 0)
        return 0.0;
    std::vector<bool> across(size), down(size);
    for (int y = 0; y < image.height; ++y)
        flatgrey::markEnclosedRuns(image, y * image.width, image.width, 1, across);
    for (int x = 0; x < image.width; ++x)
        flatgrey::markEnclosedRuns(image, x, image.height, image.width, down);
    std::size_t blocks = 0;
    for (std::size_t index = 0; index < size; ++index)
        blocks += across[index] && down[index];
    return double(blocks) / double(size);
}
