#include "platform/FreedMemory.h"

// Any header of the C library tells which library it is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

namespace {

// The C library's own starting value: decoded pictures and the renderer's
// buffers lie above it, the game's objects below.
constexpr int largeBlockBytes = 128 * 1024;

} // namespace

void keepLargeBlocksMapped()
{
#if defined(__GLIBC__)
    // Setting the bar also keeps the free memory left at the heap's top at
    // the library's default instead of twice the largest block freed so far.
    mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
#endif
}

void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

FreedMemoryPace::FreedMemoryPace(double intervalSeconds, Release release)
    : interval(intervalSeconds), release(release)
{
}

void FreedMemoryPace::advance(double seconds)
{
    sinceRelease += seconds;
    if (sinceRelease < interval)
        return;
    sinceRelease = 0.0;
    release();
}

} // namespace platform
