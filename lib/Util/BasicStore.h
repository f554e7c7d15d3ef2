#pragma once

#include "Util/BasicStoreIterator.h"

#include <map>
#include <memory>

namespace Util {

// An ordered key-to-value store whose misses give a null value fixed at construction.
// Values are held by value; for pointer values the store owns nothing.
template <typename K, typename V>
class BasicStore {
public:
    explicit BasicStore(const V& nullValue) : m_null(nullValue) {}
    virtual ~BasicStore() = default;

    // The value stored under the key, or the null value.
    virtual V find(const K& key) const {
        const auto entry = m_entries.find(key);
        return entry != m_entries.end() ? entry->second : m_null;
    }

    // Stores the value, overwriting the key's entry if there is one.
    virtual void add(const K& key, const V& value) { m_entries.insert_or_assign(key, value); }

    // Erases the key's entry and returns its value; the null value when the key is absent.
    virtual V remove(const K& key) {
        const auto entry = m_entries.find(key);
        if (entry == m_entries.end()) {
            return m_null;
        }
        V value = std::move(entry->second);
        m_entries.erase(entry);
        return value;
    }

    virtual void clear() { m_entries.clear(); }

    // A new iterator standing on the first entry.
    virtual std::unique_ptr<BasicStoreIterator<K, V>> getIterator() const {
        return std::make_unique<BasicStoreIterator<K, V>>(this);
    }

protected:
    const V& nullValue() const { return m_null; }

private:
    friend class BasicStoreIterator<K, V>;
    using Entries = std::map<K, V>;

    Entries m_entries;
    const V m_null;
};

} // namespace Util
