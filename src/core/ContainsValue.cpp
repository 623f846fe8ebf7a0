#include "core/ContainsValue.h"

#include <algorithm>

bool containsValue(const std::vector<std::int32_t>& values, std::int32_t value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}
