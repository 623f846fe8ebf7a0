#include "core/ContainsValue.h"

#include <algorithm>

bool containsValue(const std::vector<std::uint32_t>& values, std::uint32_t value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}
