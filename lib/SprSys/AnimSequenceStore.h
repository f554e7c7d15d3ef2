#pragma once

#include "SprSys/AnimSequence.h"
#include "Util/NamePtrStore.h"

#include <memory>
#include <string>

namespace SprSys {

class AnimSequenceStoreIterator;

// Animation sequences by name, owned by the store with their steps (the frames stay in their
// frame store). A name the store does not hold gives the default sequence, one step showing
// a default frame with every number 0, shared by every sequence store, never null.
class AnimSequenceStore {
public:
    AnimSequenceStore();
    ~AnimSequenceStore();

    AnimSequenceStore(const AnimSequenceStore&) = delete;
    AnimSequenceStore& operator=(const AnimSequenceStore&) = delete;

    // The sequence under the name, or the default sequence, which the caller never changes.
    AnimSequence* get(const std::string& name) const;
    // True when the name holds a sequence of its own, an empty one included.
    bool exists(const std::string& name) const;
    // Stores a sequence made with new and takes it over, returning it. A name already taken
    // keeps its sequence, which is returned; the offered one then stays with the caller. The
    // default sequence is never stored.
    AnimSequence* add(const std::string& name, std::vector<AnimSeqEntry>* sequence);
    // Deletes every sequence held.
    void clear();
    std::unique_ptr<AnimSequenceStoreIterator> getIterator() const;

    class Impl;

private:
    friend class AnimSequenceStoreIterator;
    std::unique_ptr<Util::NamePtrStoreIterator<AnimSequence>> pairIterator() const;

    std::unique_ptr<Impl> m_impl;
};

} // namespace SprSys
