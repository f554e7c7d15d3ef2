#pragma once

// Replaces the global allocation functions with ones that keep account of the heap: how
// many blocks were asked for, the largest request, and the bytes live now and at their peak.
// Include it from exactly one source file of a program. C code can allocate through
// HeapCounter::allocate, reallocate and release to be counted too.

#include <malloc.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace HeapCounter {

inline std::size_t s_allocations = 0;
inline std::size_t s_largest = 0;
inline std::size_t s_live = 0;
inline std::size_t s_peak = 0;

// Starts a new peak from what is live now.
inline void resetPeak() {
    s_peak = s_live;
}

inline void* allocate(const std::size_t size) {
    ++s_allocations;
    s_largest = std::max(s_largest, size);
    void* const block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) {
        s_live += malloc_usable_size(block);
        s_peak = std::max(s_peak, s_live);
    }
    return block;
}

inline void* reallocate(void* const block, const std::size_t size) {
    const std::size_t before = malloc_usable_size(block);
    void* const moved = std::realloc(block, size);
    if (moved != nullptr) {
        s_live = s_live - before + malloc_usable_size(moved);
        s_peak = std::max(s_peak, s_live);
    }
    return moved;
}

// Kept out of line: g++ 12 at -O3 inlines it into operator delete, then sees malloc() and
// free() meet operator new and delete and warns of a mismatched pair.
[[gnu::noinline]] inline void release(void* const block) {
    if (block != nullptr) {
        s_live -= malloc_usable_size(block);
        std::free(block);
    }
}

} // namespace HeapCounter

[[gnu::noinline]] void* operator new(const std::size_t size) {
    if (void* const block = HeapCounter::allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* const block) noexcept {
    HeapCounter::release(block);
}

[[gnu::noinline]] void operator delete(void* const block, std::size_t) noexcept {
    HeapCounter::release(block);
}
