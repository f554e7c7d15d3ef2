#pragma once

#include "SprSys/AnimSequence.h"
#include "Util/BasicStore.h"

#include <memory>
#include <string>
#include <utility>

namespace SprSys {

class AnimSeqMapStoreIterator;
class AnimSequenceStore;

// Maps a sequence and an integer mapping key to the sequence that follows it. Key -1 is the
// from-sequence's default mapping, which a look-up with any other key falls back to. Names
// are resolved through a sequence store; sequences are compared by address and owned by
// their sequence store, never by the map store.
class AnimSeqMapStore {
public:
    // The from-sequence and the mapping key.
    using Key = std::pair<const AnimSequence*, int>;

    // An empty map store over the sequence store, which is not owned and may be null: names
    // then resolve to nothing, so look-ups by name give null and additions by name do nothing.
    explicit AnimSeqMapStore(const AnimSequenceStore* sequences);
    ~AnimSeqMapStore();

    AnimSeqMapStore(const AnimSeqMapStore&) = delete;
    AnimSeqMapStore& operator=(const AnimSeqMapStore&) = delete;

    // The name is resolved with the sequence store's get, so every name it does not hold
    // means its default sequence.
    AnimSequence* get(const std::string& fromName, int key) const;
    // The sequence mapped from (from, key), else from (from, -1), else null.
    AnimSequence* get(const AnimSequence* from, int key) const;
    void add(const std::string& fromName, int key, AnimSequence* to);
    // Sets the mapping, replacing one already there (whose sequence is not deleted).
    void add(const AnimSequence* from, int key, AnimSequence* to);
    void clear();
    std::unique_ptr<AnimSeqMapStoreIterator> getIterator() const;

    class Impl;

private:
    friend class AnimSeqMapStoreIterator;
    std::unique_ptr<Util::BasicStoreIterator<Key, AnimSequence*>> tableIterator() const;

    std::unique_ptr<Impl> m_impl;
    const AnimSequenceStore* m_sequences;
};

} // namespace SprSys
