// The process's resident memory, and whether AddressSanitizer owns the heap
// (its allocator and quarantine stand in for the C library's, so checks of
// the C library's heap and of resident growth mean nothing there).
#pragma once

#include <unistd.h>

#include <fstream>

// Resident memory of the process, in bytes.
inline long residentBytes()
{
    long total = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> total >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool isAddressSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool isAddressSanitized = true;
#else
constexpr bool isAddressSanitized = false;
#endif
#else
constexpr bool isAddressSanitized = false;
#endif
