// Membership test over a list of 32-bit values, as the player's focus
// handling keeps them.
#pragma once

#include <cstdint>
#include <vector>

// Whether the value occurs in the list; an empty list holds nothing.
bool containsValue(const std::vector<std::int32_t>& values, std::int32_t value);
