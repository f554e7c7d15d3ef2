#pragma once

#include "SprSys/AnimSeqMapStore.h"
#include "Util/I_Iterator.h"

#include <memory>
#include <utility>

namespace SprSys {

// Walks a map store's mappings in key order: by from-sequence address, then by mapping key,
// -1 first. Once done it yields ((null, 0), null). Used only while the store lives uncleared.
class AnimSeqMapStoreIterator
    : public Util::I_Iterator<std::pair<AnimSeqMapStore::Key, AnimSequence*>> {
public:
    using Item = std::pair<AnimSeqMapStore::Key, AnimSequence*>;

    explicit AnimSeqMapStoreIterator(const AnimSeqMapStore* store);

    void first() override { m_walk->first(); }
    void next() override { m_walk->next(); }
    bool isDone() const override { return m_walk->isDone(); }
    Item currentItem() const override;

    virtual ~AnimSeqMapStoreIterator() = default;

private:
    std::unique_ptr<Util::BasicStoreIterator<AnimSeqMapStore::Key, AnimSequence*>> m_walk;
};

} // namespace SprSys
