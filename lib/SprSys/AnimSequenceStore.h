#pragma once

#include "SprSys/AnimSequence.h"
#include "SprSys/NamedStore.h"

namespace SprSys {

// Animation sequences by name, owned by the store with their steps (the frames stay in their
// frame store). A name the store does not hold gives the default sequence, one step showing
// a default frame with every number 0, shared by every sequence store.
class AnimSequenceStore : public NamedStore<AnimSequence> {
public:
    AnimSequenceStore();

    // True when the name holds a sequence of its own, an empty one included.
    using NamedStore::exists;
};

using AnimSequenceStoreIterator = NameStoreIterator<AnimSequence>;

} // namespace SprSys
