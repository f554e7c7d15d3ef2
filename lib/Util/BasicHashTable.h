#pragma once

#include "Util/BasicHashLink.h"
#include "Util/I_HashTable.h"

#include <memory>

namespace Util {

// A chained hash table of item pointers with a fixed number of buckets. Chain links come
// from the shared Util::BasicHashLink pool; a new item goes first in its chain, so find and
// remove meet the newest of equal items first.
template <typename Item>
class BasicHashTable : public I_HashTable<Item> {
public:
    using Link = typename BasicHashLink<Item>::Link;

    // buckets must be at least 1.
    explicit BasicHashTable(const unsigned buckets)
        : m_bucketCount(buckets), m_buckets(new Link[buckets]()) {
        // Made before the first table completes, the pool is destroyed after it at exit.
        BasicHashLink<Item>::instance();
    }

    BasicHashTable(const BasicHashTable&) = delete;
    BasicHashTable& operator=(const BasicHashTable&) = delete;

    ~BasicHashTable() override { BasicHashTable::clearTable(false); }

    unsigned entries() const override { return m_count; }
    void clear() override { clearTable(false); }
    void clearAndDestroy() override { clearTable(true); }

    Item* find(const Item* const probe) const override {
        const Link* const before = linkBefore(probe);
        return before != nullptr ? before->next->item : nullptr;
    }

    Item* insert(Item* const item) override {
        Link* const link = BasicHashLink<Item>::instance().takeLink(item);
        ++m_count;
        Link* const head = chainHead(item);
        link->next = head->next;
        head->next = link;
        return item;
    }

    Item* remove(const Item* const probe) override {
        Link* const before = linkBefore(probe);
        if (before == nullptr) {
            return nullptr;
        }
        Link* const link = before->next;
        Item* const item = link->item;
        before->next = link->next;
        BasicHashLink<Item>::instance().returnLink(link);
        --m_count;
        return item;
    }

    virtual unsigned itemBucket(const Item* const item) const {
        return static_cast<unsigned>(item->hash() % m_bucketCount);
    }

    // The bucket's head link: its item is always null, its next is the chain's first link.
    virtual Link* chainHead(const Item* const item) const { return &m_buckets[itemBucket(item)]; }

    // Empties every bucket, deleting the items when destroy is true; the links go back to
    // the pool.
    virtual void clearTable(const bool destroy) {
        BasicHashLink<Item>& pool = BasicHashLink<Item>::instance();
        for (unsigned bucket = 0; bucket < m_bucketCount; ++bucket) {
            Link* link = m_buckets[bucket].next;
            m_buckets[bucket].next = nullptr;
            while (link != nullptr) {
                Link* const next = link->next;
                if (destroy) {
                    delete link->item;
                }
                pool.returnLink(link);
                --m_count;
                link = next;
            }
        }
    }

private:
    // The link whose next holds the stored item equal to the probe, or null.
    Link* linkBefore(const Item* const probe) const {
        for (Link* link = chainHead(probe); link->next != nullptr; link = link->next) {
            if (probe->isEqual(link->next->item)) {
                return link;
            }
        }
        return nullptr;
    }

    const unsigned m_bucketCount;
    const std::unique_ptr<Link[]> m_buckets;
    unsigned m_count = 0;
};

} // namespace Util
