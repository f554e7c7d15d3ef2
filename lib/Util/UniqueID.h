#pragma once

#include <cstdint>

namespace Util {

// Gives each object a process-wide number: 1, 2, 3, ... in construction order. The counter
// is 32 bits wide on every platform, so numbers wrap at 2^32 even where T is wider.
template <typename T>
class UniqueID {
public:
    UniqueID() : m_id(nextID()) {}
    // A copy is another object and takes a number of its own.
    UniqueID(const UniqueID&) : m_id(nextID()) {}
    // Assignment copies no identity: the object keeps its number.
    UniqueID& operator=(const UniqueID&) { return *this; }
    ~UniqueID() = default;

    T getID() const { return m_id; }

    static T nextID() {
        static std::uint32_t s_prevID = 0;
        return ++s_prevID;
    }

private:
    const T m_id;
};

} // namespace Util
