#pragma once

#include "SprSys/AnimFrame.h"
#include "SprSys/NameStoreIterator.h"

namespace SprSys {

class AnimFrameStore;

// Walks a frame store in ascending name order; used only while the store lives uncleared.
class AnimFrameStoreIterator : public NameStoreIterator<AnimFrame> {
public:
    explicit AnimFrameStoreIterator(const AnimFrameStore* store);
};

} // namespace SprSys
