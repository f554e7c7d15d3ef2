#pragma once

namespace Util {

// Anything a Util::BasicHashTable can hold: a hash that picks the bucket and an equality
// test used to find the item in its chain.
class I_HashTableObject {
public:
    virtual unsigned long hash() const = 0;
    virtual bool isEqual(const I_HashTableObject* other) const = 0;

protected:
    // Items are never deleted through this interface; concrete items bring a virtual
    // destructor of their own.
    ~I_HashTableObject() = default;
};

} // namespace Util
