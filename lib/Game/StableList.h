#pragma once

#include "Util/CountGuard.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Game {

// An ordered list of pointers, each listed once, that may change while it is being walked. A
// walk visits the entries listed when it began, in order, except those removed meanwhile. A
// removal leaves a hole, which the outermost walk closes when it ends; outside walks, holes
// are closed once they make up half the list, so that a removal never moves the rest.
//
// An item type may keep its own place in the list, in the member named by place: the list
// keeps it at the item's index plus one while the item is listed and at 0 otherwise (the
// value it must start with), and finds the item through it instead of searching.
template <typename T, std::size_t T::*place = nullptr>
class StableList {
public:
    // Appends the item unless it is null or listed already; true when it was appended.
    bool add(T* const item) {
        if (item == nullptr || indexOf(item) != NOT_LISTED) {
            return false;
        }
        m_items.push_back(item);
        setPlace(*item, m_items.size());
        return true;
    }

    // Takes the item out, keeping the order of the rest; false when it was not listed.
    bool remove(T* const item) {
        const std::size_t index = item == nullptr ? NOT_LISTED : indexOf(item);
        if (index == NOT_LISTED) {
            return false;
        }
        m_items[index] = nullptr;
        setPlace(*item, 0);
        ++m_holes;
        if (m_walks == 0 && 2 * m_holes > m_items.size()) {
            closeHoles();
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
        closeHolesAfterWalk();
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
        closeHolesAfterWalk();
    }

private:
    static constexpr std::size_t NOT_LISTED = static_cast<std::size_t>(-1);

    std::size_t indexOf(const T* const item) const {
        if constexpr (place != nullptr) {
            return item->*place == 0 ? NOT_LISTED : item->*place - 1;
        } else {
            const auto found = std::find(m_items.begin(), m_items.end(), item);
            return found == m_items.end() ? NOT_LISTED
                                          : static_cast<std::size_t>(found - m_items.begin());
        }
    }

    static void setPlace([[maybe_unused]] T& item, [[maybe_unused]] const std::size_t value) {
        if constexpr (place != nullptr) {
            item.*place = value;
        }
    }

    // Holes left by a walk that a call ended with an exception stay until holes are next
    // closed; walks and lookups pass over them.
    void closeHolesAfterWalk() {
        if (m_walks == 0 && m_holes > 0) {
            closeHoles();
        }
    }

    void closeHoles() {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (T* const item = m_items[i]) {
                m_items[kept] = item;
                setPlace(*item, ++kept);
            }
        }
        m_items.resize(kept);
        m_holes = 0;
    }

    std::vector<T*> m_items;
    int m_walks = 0;
    std::size_t m_holes = 0;
};

} // namespace Game
