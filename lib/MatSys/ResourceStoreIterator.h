#pragma once

#include "Util/I_Iterator.h"
#include "Util/NamePtrStoreIterator.h"

#include <memory>
#include <string>
#include <utility>

namespace MatSys {

// Walks a resource store in ascending name order, yielding each name with its object; once
// done, and as often as it is asked again, an empty name with null.
template <typename T>
class ResourceStoreIterator : public Util::I_Iterator<std::pair<std::string, T*>> {
public:
    using Item = std::pair<std::string, T*>;

    explicit ResourceStoreIterator(std::unique_ptr<Util::NamePtrStoreIterator<T>> walk)
        : m_walk(std::move(walk)) {}

    void first() override { m_walk->first(); }
    void next() override { m_walk->next(); }
    bool isDone() const override { return m_walk->isDone(); }
    Item currentItem() const override { return m_walk->currentItem(); }

    virtual ~ResourceStoreIterator() = default;

private:
    std::unique_ptr<Util::NamePtrStoreIterator<T>> m_walk;
};

} // namespace MatSys
