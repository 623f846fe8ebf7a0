#include "platform/Random.h"

#include <cstdint>

namespace platform {

namespace {

// The classic linear congruential generator of the C standard's example rand().
std::uint32_t state = 1;

} // namespace

int rand()
{
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void seedRandom(unsigned seed) { state = seed; }

} // namespace platform
