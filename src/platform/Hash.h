// The 64-bit FNV-1a hash of a text, shared by the unique identifiers and the
// sound banks' key check.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

std::uint64_t fnv1a64(const std::string& text);

} // namespace platform
