#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

namespace CFG {

// The entries of one level of a configuration: its top level or one selector block. Files of
// hundreds of thousands of lines are read into it and keys are looked up every frame, so it
// is hashed and small: the nodes of every map of a configuration live in one store that never
// moves them, and a map is an open-addressing table of (hash, node number) slots. Keys and
// values are views into texts that the owner keeps.
class KeyMap {
public:
    // A plain entry has a value and no children; a selector block has the name of its selector
    // key as value and its own entries as children.
    struct Node {
        std::string_view key() const { return {keyData, keyLength}; }
        std::string_view value() const { return {valueData, valueLength}; }

        const char* keyData;
        const char* valueData;
        std::uint32_t keyLength;
        std::uint32_t valueLength;
        std::unique_ptr<KeyMap> children;
    };
    using NodeStore = std::deque<Node>;

    // The store must outlive the map.
    explicit KeyMap(NodeStore& nodes);

    // The key's node, or null.
    const Node* find(std::string_view key) const;
    // Gives key the value and children, deleting the children it had; the node then refers to
    // the texts of key and value given here. Returns the node.
    Node& assign(std::string_view key, std::string_view value, std::unique_ptr<KeyMap> children);
    // The keys in plain byte order.
    std::vector<std::string_view> sortedKeys() const;
    std::size_t size() const { return m_size; }
    // Forgets every key; the nodes stay in the store until its owner clears it.
    void clear();

private:
    struct Slot {
        std::uint32_t hash;
        std::uint32_t node;
    };
    static constexpr std::uint32_t EMPTY = UINT32_MAX;

    static std::uint32_t hashOf(std::string_view key);
    // The slot holding key, or the empty slot where it belongs.
    std::size_t slotOf(std::string_view key, std::uint32_t hash) const;
    void grow();

    NodeStore* m_nodes;
    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
};

} // namespace CFG
