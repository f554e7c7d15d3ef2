#pragma once

#include "Util/I_Iterator.h"
#include "Util/NamePtrStore.h"

#include <memory>
#include <string>
#include <utility>

namespace SprSys {

// Walks one of the sprite system's named stores in ascending name order, yielding each name
// with its object; once done, an empty name with the store's default object.
template <typename T>
class NameStoreIterator : public Util::I_Iterator<std::pair<std::string, T*>> {
public:
    using Item = std::pair<std::string, T*>;

    void first() override { m_walk->first(); }
    void next() override { m_walk->next(); }
    bool isDone() const override { return m_walk->isDone(); }
    Item currentItem() const override { return m_walk->currentItem(); }

    virtual ~NameStoreIterator() = default;

protected:
    explicit NameStoreIterator(std::unique_ptr<Util::NamePtrStoreIterator<T>> walk)
        : m_walk(std::move(walk)) {}

private:
    std::unique_ptr<Util::NamePtrStoreIterator<T>> m_walk;
};

} // namespace SprSys
