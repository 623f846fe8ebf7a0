// The program's one source of rand() numbers. The game's formulas were tuned
// for a generator returning 0..32767 (they scale by 1/32767), while glibc's
// rand() returns up to 2147483647; a small generator of our own keeps that
// range on every platform and gives the same sequence for a seed, for tests.
#pragma once

namespace platform {

// Next number in 0..32767.
int rand();

// Restarts the sequence; the sequence before any call starts from seed 1.
void seedRandom(unsigned seed);

} // namespace platform
