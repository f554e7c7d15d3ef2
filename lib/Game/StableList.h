#pragma once

#include "Util/CountGuard.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Game {

// An ordered list of pointers, each listed once, that may change while it is being walked. A
// walk visits the entries listed when it began, in order, except those removed meanwhile; a
// removal during a walk leaves a hole that the outermost walk closes when it ends.
template <typename T>
class StableList {
public:
    bool contains(const T* const item) const {
        return item != nullptr && std::find(m_items.begin(), m_items.end(), item) != m_items.end();
    }

    // Appends the item unless it is null or listed already; true when it was appended.
    bool add(T* const item) {
        if (item == nullptr || contains(item)) {
            return false;
        }
        m_items.push_back(item);
        return true;
    }

    // Takes the item out, keeping the order of the rest; false when it was not listed.
    bool remove(const T* const item) {
        const auto listed = std::find(m_items.begin(), m_items.end(), item);
        if (item == nullptr || listed == m_items.end()) {
            return false;
        }
        if (m_walks > 0) {
            *listed = nullptr;
            m_holes = true;
        } else {
            m_items.erase(listed);
        }
        return true;
    }

    // Calls call(T&) on each entry, oldest first.
    template <typename Call>
    void forEach(const Call& call) {
        {
            const Util::CountGuard walk(m_walks);
            const std::size_t count = m_items.size();
            for (std::size_t i = 0; i < count; ++i) {
                if (T* const item = m_items[i]) {
                    call(*item);
                }
            }
        }
        closeHoles();
    }

    // Calls call(T&) on each entry, newest first.
    template <typename Call>
    void forEachNewestFirst(const Call& call) {
        {
            const Util::CountGuard walk(m_walks);
            for (std::size_t i = m_items.size(); i > 0; --i) {
                if (T* const item = m_items[i - 1]) {
                    call(*item);
                }
            }
        }
        closeHoles();
    }

private:
    // Holes left by a walk that a call ended with an exception stay until the next walk ends;
    // walks and lookups pass over them.
    void closeHoles() {
        if (m_walks == 0 && m_holes) {
            m_items.erase(std::remove(m_items.begin(), m_items.end(), nullptr), m_items.end());
            m_holes = false;
        }
    }

    std::vector<T*> m_items;
    int m_walks = 0;
    bool m_holes = false;
};

} // namespace Game
