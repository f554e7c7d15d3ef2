#include "SprSys/AnimFrameStoreIterator.h"

#include "SprSys/AnimFrameStore.h"

namespace SprSys {

AnimFrameStoreIterator::AnimFrameStoreIterator(const AnimFrameStore* const store)
    : NameStoreIterator(store->pairIterator()) {}

} // namespace SprSys
