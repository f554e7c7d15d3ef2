#include "CFG/KeyMap.h"

#include <algorithm>
#include <functional>

namespace CFG {
namespace {

constexpr std::size_t FIRST_CAPACITY = 4;

} // namespace

KeyMap::KeyMap(NodeStore& nodes) : m_nodes(&nodes) {}

std::uint32_t KeyMap::hashOf(const std::string_view key) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(key));
}

std::size_t KeyMap::slotOf(const std::string_view key, const std::uint32_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot& slot = m_slots[index];
        if (slot.node == EMPTY || (slot.hash == hash && (*m_nodes)[slot.node].key() == key)) {
            return index;
        }
    }
}

const KeyMap::Node* KeyMap::find(const std::string_view key) const {
    if (m_size == 0) {
        return nullptr;
    }
    const Slot& slot = m_slots[slotOf(key, hashOf(key))];
    return slot.node == EMPTY ? nullptr : &(*m_nodes)[slot.node];
}

KeyMap::Node& KeyMap::assign(const std::string_view key, const std::string_view value,
                             std::unique_ptr<KeyMap> children) {
    // Linear probing stays short below three quarters full.
    if ((m_size + 1) * 4 > m_slots.size() * 3) {
        grow();
    }
    const std::uint32_t hash = hashOf(key);
    Slot& slot = m_slots[slotOf(key, hash)];
    if (slot.node == EMPTY) {
        slot = Slot{hash, static_cast<std::uint32_t>(m_nodes->size())};
        m_nodes->push_back(Node{nullptr, nullptr, static_cast<std::uint32_t>(key.size()), 0, {}});
        ++m_size;
    }
    Node& node = (*m_nodes)[slot.node];
    // The key is taken from its latest definition too, whose text its owner keeps.
    node.keyData = key.data();
    node.valueData = value.data();
    node.valueLength = static_cast<std::uint32_t>(value.size());
    node.children = std::move(children);
    return node;
}

void KeyMap::grow() {
    std::vector<Slot> old(std::max(FIRST_CAPACITY, m_slots.size() * 2), Slot{0, EMPTY});
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.node != EMPTY) {
            std::size_t index = slot.hash & mask;
            while (m_slots[index].node != EMPTY) {
                index = (index + 1) & mask;
            }
            m_slots[index] = slot;
        }
    }
}

std::vector<std::string_view> KeyMap::sortedKeys() const {
    std::vector<std::string_view> keys;
    keys.reserve(m_size);
    for (const Slot& slot : m_slots) {
        if (slot.node != EMPTY) {
            keys.push_back((*m_nodes)[slot.node].key());
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void KeyMap::clear() {
    m_slots = std::vector<Slot>();
    m_size = 0;
}

} // namespace CFG
