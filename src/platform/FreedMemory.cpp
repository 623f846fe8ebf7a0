#include "platform/FreedMemory.h"

// Any header of the C library tells which library it is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace platform
