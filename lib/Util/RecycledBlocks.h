#pragma once

#include "Util/NonCopyable.h"

#include <cstddef>

namespace Util {

// Keeps freed memory blocks of one size for the next allocation, so objects that are made
// and destroyed in great numbers stop reaching the heap once as many blocks were freed as
// are ever needed at one time. The kept blocks go back to the heap when this is destroyed.
class RecycledBlocks : private NonCopyable<RecycledBlocks> {
public:
    explicit RecycledBlocks(std::size_t blockSize);
    ~RecycledBlocks();

    // A kept block, or a new one from the heap when none is kept.
    void* take();
    void give(void* block);

private:
    struct FreeBlock {
        FreeBlock* next;
    };

    const std::size_t m_blockSize;
    FreeBlock* m_free = nullptr;
};

} // namespace Util
