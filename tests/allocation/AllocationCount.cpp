// The replaced operator new and delete behind AllocationCount. The standard
// library's array and nothrow forms call these, and Ogre allocates through
// them too. Other threads (Ogre's work queue) are not counted.
#include "allocation/AllocationCount.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool counting = false;
thread_local std::size_t counted = 0;

void* allocate(std::size_t size, std::size_t alignment)
{
    if (counting)
        ++counted;
    const std::size_t bytes = size == 0 ? 1 : size;
    void* memory = alignment > alignof(std::max_align_t)
                       ? std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment)
                       : std::malloc(bytes);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace

AllocationCount::AllocationCount()
{
    counted = 0;
    counting = true;
}

AllocationCount::~AllocationCount() { counting = false; }

std::size_t AllocationCount::stop()
{
    counting = false;
    return counted;
}

void* operator new(std::size_t size) { return allocate(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
