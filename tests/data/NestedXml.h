// A text of one element nested far deeper than any real file, as a damaged
// or hostile file may hold: parsing it by recursion overflows the stack.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t hostileNesting = 60000;

inline std::string deeplyNested(const std::string& name)
{
    std::string text;
    for (std::size_t level = 0; level < hostileNesting; ++level)
        text += "<" + name + ">";
    for (std::size_t level = 0; level < hostileNesting; ++level)
        text += "</" + name + ">";
    return text;
}
