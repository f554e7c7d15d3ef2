#pragma once

#include "Util/I_HashTableObject.h"
#include "Util/RecycledBlocks.h"

#include <cstddef>
#include <new>

namespace Util {

// A key kept in a hash table: the ID table holds one for every living Util::HashedID.
template <typename K>
class HashedItem : public I_HashTableObject {
public:
    explicit HashedItem(const K key) : m_key(key) {}

    unsigned long hash() const override { return static_cast<unsigned long>(m_key); }

    bool isEqual(const I_HashTableObject* const other) const override {
        // Equal keys hash alike, so the cheap hash test spares most chain links the cast.
        if (other->hash() != hash()) {
            return false;
        }
        const auto* const item = dynamic_cast<const HashedItem*>(other);
        return item != nullptr && item->m_key == m_key;
    }

    virtual ~HashedItem() = default;

    // Every Util::HashedID makes one item and its destruction deletes it, so the storage of
    // deleted items is kept for the next ones. Derived items are larger and use the heap.
    static void* operator new(const std::size_t size) {
        return size == sizeof(HashedItem) ? storage().take() : ::operator new(size);
    }

    static void operator delete(void* const block, const std::size_t size) noexcept {
        if (size == sizeof(HashedItem)) {
            storage().give(block);
        } else {
            ::operator delete(block);
        }
    }

private:
    static RecycledBlocks& storage() {
        static RecycledBlocks s_storage(sizeof(HashedItem));
        return s_storage;
    }

    const K m_key;
};

} // namespace Util
