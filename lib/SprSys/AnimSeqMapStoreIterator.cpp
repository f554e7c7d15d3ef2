#include "SprSys/AnimSeqMapStoreIterator.h"

namespace SprSys {

AnimSeqMapStoreIterator::AnimSeqMapStoreIterator(const AnimSeqMapStore* const store)
    : m_walk(store->tableIterator()) {}

AnimSeqMapStoreIterator::Item AnimSeqMapStoreIterator::currentItem() const {
    if (isDone()) {
        return Item(AnimSeqMapStore::Key(nullptr, 0), m_walk->currentItem());
    }
    return Item(m_walk->currentKey(), m_walk->curItemNoCheck());
}

} // namespace SprSys
