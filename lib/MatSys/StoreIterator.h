#pragma once

#include "Util/I_Iterator.h"

#include <memory>
#include <utility>

namespace MatSys {

// The public iterator of a store of the material system: it owns a walk over the store
// (a Util::NamePtrStoreIterator or Util::BasicStoreIterator) and hands out copies of its
// items in key order; once done, and as often as it is asked again, the store's null item.
template <typename ItemType, typename Walk>
class StoreIterator : public Util::I_Iterator<ItemType> {
public:
    using Item = ItemType;

    explicit StoreIterator(std::unique_ptr<Walk> walk) : m_walk(std::move(walk)) {}

    void first() override { m_walk->first(); }
    void next() override { m_walk->next(); }
    bool isDone() const override { return m_walk->isDone(); }
    Item currentItem() const override { return m_walk->currentItem(); }

    virtual ~StoreIterator() = default;

private:
    std::unique_ptr<Walk> m_walk;
};

} // namespace MatSys
