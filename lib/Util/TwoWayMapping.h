#pragma once

#include <map>

namespace Util {

// A lookup table in both directions, with a null value for each side that a lookup of an
// absent key gives. Several Bs may name one A; the A then reads back as the B added last.
template <typename A, typename B>
class TwoWayMapping {
public:
    TwoWayMapping(const A& nullA, const B& nullB) : m_nullA(nullA), m_nullB(nullB) {}

    // Binds a and b in both directions, overwriting earlier bindings of b and of a; an
    // earlier b' of a still reads as a.
    void add(const A& a, const B& b) {
        m_toA.insert_or_assign(b, a);
        m_toB.insert_or_assign(a, b);
    }

    B findB(const A& a) const { return lookup(m_toB, a, m_nullB); }
    A findA(const B& b) const { return lookup(m_toA, b, m_nullA); }

private:
    template <typename Key, typename Value>
    static Value lookup(const std::map<Key, Value>& map, const Key& key, const Value& null) {
        const auto entry = map.find(key);
        return entry != map.end() ? entry->second : null;
    }

    std::map<A, B> m_toB;
    std::map<B, A> m_toA;
    const A m_nullA;
    const B m_nullB;
};

} // namespace Util
