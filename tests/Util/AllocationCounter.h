#pragma once

// Replaces the global allocation function with one that counts every allocation. Include it
// from exactly one source file of a program.

#include <cstddef>
#include <cstdlib>
#include <new>

namespace AllocationCounter {
inline std::size_t s_allocations = 0;
} // namespace AllocationCounter

// All three are kept out of line: inlined, GCC sees malloc() and free() meet operator new and
// delete and reports a mismatched pair.
[[gnu::noinline]] void* operator new(const std::size_t size) {
    ++AllocationCounter::s_allocations;
    if (void* const block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* const block) noexcept {
    std::free(block);
}

[[gnu::noinline]] void operator delete(void* const block, std::size_t) noexcept {
    std::free(block);
}
