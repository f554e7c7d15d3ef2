#include "CFG/KeyMap.h"

#include <algorithm>
#include <cstring>

namespace CFG {
namespace {

constexpr std::size_t FIRST_CAPACITY = 4;
constexpr std::uint64_t MULTIPLIER = 0x9E3779B97F4A7C15u;

constexpr std::size_t WORD = sizeof(std::uint64_t);

std::uint64_t wordAt(const char* const bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, WORD);
    return word;
}

// Calls visit with the offset of every word of a text of size bytes, at least one word long,
// until it returns false; the last word overlaps the one before it unless the size is a
// multiple of eight. Keys are a few dozen bytes: hashed and compared a word at a time, they
// cost less than a byte-wise hash or a call to the library's comparison.
template <typename Visit>
bool everyWord(const std::size_t size, const Visit& visit) {
    for (std::size_t at = 0; at + WORD < size; at += WORD) {
        if (!visit(at)) {
            return false;
        }
    }
    return visit(size - WORD);
}

bool sameKey(const std::string_view a, const std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    if (a.size() < WORD) {
        return a == b;
    }
    return everyWord(a.size(), [&a, &b](const std::size_t at) {
        return wordAt(a.data() + at) == wordAt(b.data() + at);
    });
}

// Folds one word into the hash. The multiply spreads each bit only upwards, which finish then
// brings down to the low bits that choose a slot.
std::uint64_t mix(const std::uint64_t hash, const std::uint64_t word) {
    return (hash ^ word) * MULTIPLIER;
}

std::uint32_t finish(std::uint64_t hash) {
    hash ^= hash >> 32;
    hash *= MULTIPLIER;
    return static_cast<std::uint32_t>(hash ^ (hash >> 29));
}

} // namespace

std::uint32_t KeyMap::Store::add() {
    if (m_unused.empty()) {
        if (m_count % CHUNK_SIZE == 0) {
            m_chunks.push_back(std::make_unique<Node[]>(CHUNK_SIZE));
        }
        return m_count++;
    }
    const std::uint32_t number = m_unused.back();
    m_unused.pop_back();
    return number;
}

void KeyMap::Store::release(const std::uint32_t number) {
    Node& node = this->node(number);
    m_texts.release(node.keyText);
    m_texts.release(node.valueText);
    node.children.reset();
    m_unused.push_back(number);
}

KeyMap::KeyMap(Store& store) : m_store(&store) {}

KeyMap::~KeyMap() {
    clear();
}

std::uint32_t KeyMap::hashOf(const std::string_view key) {
    std::uint64_t hash = key.size();
    if (key.size() < WORD) {
        for (const char c : key) {
            hash = hash << 8 | static_cast<unsigned char>(c);
        }
    } else {
        everyWord(key.size(), [&key, &hash](const std::size_t at) {
            hash = mix(hash, wordAt(key.data() + at));
            return true;
        });
    }
    return finish(hash);
}

std::size_t KeyMap::slotOf(const std::string_view key, const std::uint32_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot& slot = m_slots[index];
        if (slot.node == EMPTY ||
            (slot.hash == hash && sameKey(m_store->node(slot.node).key(), key))) {
            return index;
        }
    }
}

const KeyMap::Node* KeyMap::find(const std::string_view key, const std::uint32_t hash) const {
    if ((m_hashBits & hashBit(hash)) == 0) {
        return nullptr;
    }
    const Slot& slot = m_slots[slotOf(key, hash)];
    return slot.node == EMPTY ? nullptr : &m_store->node(slot.node);
}

KeyMap::Node& KeyMap::assign(const std::string_view key, const TextStore::Id keyText,
                             const std::string_view value, const TextStore::Id valueText,
                             std::unique_ptr<KeyMap> children) {
    // Linear probing stays short below three quarters full.
    if ((m_size + 1) * 4 > m_slots.size() * 3) {
        grow();
    }
    const std::uint32_t hash = hashOf(key);
    Slot& slot = m_slots[slotOf(key, hash)];
    TextStore& texts = m_store->m_texts;
    // Held before the old texts are let go, which may be the same.
    texts.hold(keyText);
    texts.hold(valueText);
    if (slot.node == EMPTY) {
        slot = Slot{hash, m_store->add()};
        ++m_size;
        m_hashBits |= hashBit(hash);
    } else {
        const Node& old = m_store->node(slot.node);
        texts.release(old.keyText);
        texts.release(old.valueText);
    }
    Node& node = m_store->node(slot.node);
    // The key is taken from its latest definition too, so the earlier text can go.
    node = Node{key.data(),
                value.data(),
                static_cast<std::uint32_t>(key.size()),
                static_cast<std::uint32_t>(value.size()),
                keyText,
                valueText,
                std::move(children)};
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
            keys.push_back(m_store->node(slot.node).key());
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void KeyMap::clear() {
    for (const Slot& slot : m_slots) {
        if (slot.node != EMPTY) {
            m_store->release(slot.node);
        }
    }
    m_slots = std::vector<Slot>();
    m_size = 0;
    m_hashBits = 0;
}

} // namespace CFG
