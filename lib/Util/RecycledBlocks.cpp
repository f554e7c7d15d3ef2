#include "Util/RecycledBlocks.h"

#include <algorithm>
#include <new>

namespace Util {

RecycledBlocks::RecycledBlocks(const std::size_t blockSize)
    : m_blockSize(std::max(blockSize, sizeof(FreeBlock))) {}

RecycledBlocks::~RecycledBlocks() {
    while (m_free != nullptr) {
        FreeBlock* const block = m_free;
        m_free = block->next;
        ::operator delete(block);
    }
}

void* RecycledBlocks::take() {
    if (m_free == nullptr) {
        return ::operator new(m_blockSize);
    }
    FreeBlock* const block = m_free;
    m_free = block->next;
    return block;
}

void RecycledBlocks::give(void* const block) {
    m_free = new (block) FreeBlock{m_free};
}

} // namespace Util
