#pragma once

#include "CFG/TextStore.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace CFG {

// The entries of one level of a configuration: its top level or one selector block. Files of
// hundreds of thousands of lines are read into it and keys are looked up every frame, so it
// is hashed and small: the nodes of every map of a configuration live in one store that never
// moves them, and a map is an open-addressing table of (hash, node number) slots. Keys and
// values are views into texts of the store, which each node holds while it refers to them.
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
        TextStore::Id keyText;
        TextStore::Id valueText;
        std::unique_ptr<KeyMap> children;
    };

    // The nodes of every map of one configuration and the texts they refer to. A node that its
    // map lets go of is used again. Nodes live in chunks of a power of two, which never move
    // and make finding a node by its number two instructions.
    class Store {
    public:
        TextStore& texts() { return m_texts; }

    private:
        friend class KeyMap;
        static constexpr unsigned CHUNK_BITS = 8;
        static constexpr std::uint32_t CHUNK_SIZE = 1u << CHUNK_BITS;

        Node& node(const std::uint32_t number) const {
            return m_chunks[number >> CHUNK_BITS][number & (CHUNK_SIZE - 1)];
        }
        std::uint32_t add();
        void release(std::uint32_t number);

        TextStore m_texts;
        std::vector<std::unique_ptr<Node[]>> m_chunks;
        std::uint32_t m_count = 0;
        std::vector<std::uint32_t> m_unused;
    };

    // The store must outlive the map.
    explicit KeyMap(Store& store);
    ~KeyMap();
    KeyMap(const KeyMap&) = delete;
    KeyMap& operator=(const KeyMap&) = delete;

    // The hash every map gives the key, to be worked out once for all maps it is sought in.
    static std::uint32_t hashOf(std::string_view key);

    // The key's node, or null.
    const Node* find(std::string_view key, std::uint32_t hash) const;
    // Gives key the value and children, deleting the children it had; the node then refers to
    // the texts of key and value given here, which hold them. Returns the node.
    Node& assign(std::string_view key, TextStore::Id keyText, std::string_view value,
                 TextStore::Id valueText, std::unique_ptr<KeyMap> children);
    // The keys in plain byte order.
    std::vector<std::string_view> sortedKeys() const;
    std::size_t size() const { return m_size; }
    // Forgets every key, letting go of its node, children and texts.
    void clear();

private:
    struct Slot {
        std::uint32_t hash;
        std::uint32_t node;
    };
    static constexpr std::uint32_t EMPTY = UINT32_MAX;

    // One of 64 bits picked by the hash's top bits, which do not choose the slot.
    static std::uint64_t hashBit(const std::uint32_t hash) {
        return std::uint64_t{1} << (hash >> 26);
    }

    // The slot holding key, or the empty slot where it belongs.
    std::size_t slotOf(std::string_view key, std::uint32_t hash) const;
    void grow();

    Store* m_store;
    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
    // The bits of every key held: a key whose bit is clear is missing without a probe. The
    // overrides hold a few dozen keys and are asked for every name read, so most of those
    // misses end here.
    std::uint64_t m_hashBits = 0;
};

} // namespace CFG
