#pragma once

#include "SprSys/AnimSequence.h"
#include "SprSys/NameStoreIterator.h"

namespace SprSys {

class AnimSequenceStore;

// Walks a sequence store in ascending name order; used only while the store lives uncleared.
class AnimSequenceStoreIterator : public NameStoreIterator<AnimSequence> {
public:
    explicit AnimSequenceStoreIterator(const AnimSequenceStore* store);
};

} // namespace SprSys
