#pragma once

#include "Util/I_Iterator.h"
#include "Util/NamePtrStore.h"
#include "Util/WalkIterator.h"

#include <memory>
#include <string>
#include <utility>

namespace SprSys {

template <typename T>
class NameStoreIterator;

// Base of the sprite system's owning stores by name: a Util::NamePtrStore behind a pointer,
// whose misses give a default object of the store's kind. The default object is shared by
// every store of that kind, never stored and never deleted by a store, so get never gives null.
template <typename T>
class NamedStore {
public:
    using Impl = Util::NamePtrStore<T>;

    NamedStore(const NamedStore&) = delete;
    NamedStore& operator=(const NamedStore&) = delete;

    // The object under the name, or the default object, which the caller never changes.
    T* get(const std::string& name) const { return m_impl->get(name); }
    // Stores an object made with new and takes it over, returning it. A name already taken
    // keeps its object, which is returned; the offered object then stays with the caller. The
    // default object is returned and not stored.
    T* add(const std::string& name, T* const object) { return m_impl->add(name, object); }
    // Deletes every object held.
    void clear() { m_impl->clear(); }
    // A new iterator standing on the smallest name.
    std::unique_ptr<NameStoreIterator<T>> getIterator() const;

protected:
    NamedStore(const std::string& storeName, T* const defaultObject)
        : m_impl(std::make_unique<Impl>(storeName, defaultObject)) {}
    ~NamedStore() = default;

    // True when the name holds an object of its own.
    bool exists(const std::string& name) const { return m_impl->exists(name); }

private:
    friend class NameStoreIterator<T>;
    std::unique_ptr<Impl> m_impl;
};

// Walks a named store in ascending byte order of the names, yielding each name with its
// object; once done, an empty name with the default object. Used only while the store lives
// and is not cleared.
template <typename T>
class NameStoreIterator
    : public Util::WalkIterator<std::pair<std::string, T*>, Util::NamePtrStoreIterator<T>> {
public:
    explicit NameStoreIterator(const NamedStore<T>* const store)
        : Util::WalkIterator<std::pair<std::string, T*>, Util::NamePtrStoreIterator<T>>(
              store->m_impl->getPairIterator()) {}
};

template <typename T>
std::unique_ptr<NameStoreIterator<T>> NamedStore<T>::getIterator() const {
    return std::make_unique<NameStoreIterator<T>>(this);
}

} // namespace SprSys
