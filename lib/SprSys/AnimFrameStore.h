#pragma once

#include "SprSys/AnimFrame.h"
#include "SprSys/NamedStore.h"

namespace SprSys {

// Animation frames by name, owned by the store. A name the store does not hold gives the
// default frame (cell 0, unmoved, unturned, unscaled), one object shared by every frame store.
class AnimFrameStore : public NamedStore<AnimFrame> {
public:
    AnimFrameStore();
};

using AnimFrameStoreIterator = NameStoreIterator<AnimFrame>;

} // namespace SprSys
