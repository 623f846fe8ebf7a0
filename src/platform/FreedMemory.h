// Hands the pages the heap holds free back to the system, where the C
// library keeps them resident for reuse by default.
#pragma once

namespace platform {

// Returns every whole free page of the heap, not only those at its top; the
// memory stays usable. Does nothing where the C library offers no way to.
void returnFreedMemory();

} // namespace platform
