#pragma once

#include "Util/I_Iterator.h"

#include <memory>
#include <utility>

namespace Util {

// The public iterator of a store: it owns a walk over the store (a NamePtrStoreIterator or
// BasicStoreIterator) and hands out copies of its items in key order; once done, and as
// often as it is asked again, the store's null item.
template <typename ItemType, typename Walk>
class WalkIterator : public I_Iterator<ItemType> {
public:
    using Item = ItemType;

    explicit WalkIterator(std::unique_ptr<Walk> walk) : m_walk(std::move(walk)) {}

    void first() override { m_walk->first(); }
    void next() override { m_walk->next(); }
    bool isDone() const override { return m_walk->isDone(); }
    Item currentItem() const override { return m_walk->currentItem(); }

    virtual ~WalkIterator() = default;

private:
    std::unique_ptr<Walk> m_walk;
};

} // namespace Util
