#pragma once

namespace Util {

// A hash table of item pointers. The table owns its items only for clearAndDestroy.
template <typename Item>
class I_HashTable {
public:
    virtual ~I_HashTable() = default;

    virtual unsigned entries() const = 0;
    // Empties the table; the items stay alive.
    virtual void clear() = 0;
    // Empties the table and deletes every item.
    virtual void clearAndDestroy() = 0;
    // The stored item equal to the probe, or null.
    virtual Item* find(const Item* probe) const = 0;
    // Adds the item, even when an equal one is stored already, and returns it.
    virtual Item* insert(Item* item) = 0;
    // Takes the stored item equal to the probe out of the table and returns it undeleted;
    // null when there is none.
    virtual Item* remove(const Item* probe) = 0;
};

} // namespace Util
