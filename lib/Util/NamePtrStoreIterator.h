#pragma once

#include "Util/BasicStoreIterator.h"
#include "Util/I_Iterator.h"

#include <string>
#include <utility>

namespace Util {

template <typename T>
class NamePtrStore;

// Walks a Util::NamePtrStore in ascending name order, yielding name and object together.
template <typename T>
class NamePtrStoreIterator : private I_Iterator<std::pair<std::string, T*>> {
public:
    using Item = std::pair<std::string, T*>;

    explicit NamePtrStoreIterator(const NamePtrStore<T>* const store) : m_walk(store) {}

    void first() override { m_walk.first(); }
    void next() override { m_walk.next(); }
    bool isDone() const override { return m_walk.isDone(); }

    // A copy of the current name with its object; once done, an empty name with the store's
    // null value.
    Item currentItem() const override {
        return isDone() ? Item(std::string(), m_walk.currentItem())
                        : Item(m_walk.currentKey(), m_walk.curItemNoCheck());
    }

    virtual ~NamePtrStoreIterator() = default;

private:
    BasicStoreIterator<std::string, T*> m_walk;
};

} // namespace Util
