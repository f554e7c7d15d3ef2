#pragma once

#include "Util/I_Iterator.h"

namespace Util {

template <typename K, typename V>
class BasicStore;

// Walks the values of a Util::BasicStore in ascending key order. It stays valid while the
// store lives and the entry it stands on is not erased.
template <typename K, typename V>
class BasicStoreIterator : private I_Iterator<V> {
public:
    explicit BasicStoreIterator(const BasicStore<K, V>* const store)
        : m_store(store), m_position(store->m_entries.begin()) {}

    void first() override { m_position = m_store->m_entries.begin(); }

    void next() override {
        if (!isDone()) {
            ++m_position;
        }
    }

    bool isDone() const override { return m_position == m_store->m_entries.end(); }

    // The value at the position, or the store's null value once done.
    V currentItem() const override { return isDone() ? m_store->m_null : m_position->second; }

    virtual ~BasicStoreIterator() = default;

    // Only while not done.
    virtual K currentKey() const { return m_position->first; }
    // Only while not done.
    virtual V curItemNoCheck() const { return m_position->second; }
    // The value itself rather than a copy, for walks that must not copy; only while not done.
    const V& currentRef() const { return m_position->second; }

private:
    const BasicStore<K, V>* m_store;
    typename BasicStore<K, V>::Entries::const_iterator m_position;
};

} // namespace Util
