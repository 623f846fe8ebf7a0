#include "platform/Hash.h"

namespace platform {

std::uint64_t fnv1a64(const std::string& text)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace platform
