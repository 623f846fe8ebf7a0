// Counts the heap allocations the calling thread makes while a count is
// open. The program's operator new is replaced to do it, so this lives in
// its own test executable: the other tests keep the standard one.
#pragma once

#include <cstddef>

class AllocationCount {
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    // Ends the count and gives the allocations made since it began.
    std::size_t stop();
};
