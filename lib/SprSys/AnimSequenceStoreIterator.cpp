#include "SprSys/AnimSequenceStoreIterator.h"

#include "SprSys/AnimSequenceStore.h"

namespace SprSys {

AnimSequenceStoreIterator::AnimSequenceStoreIterator(const AnimSequenceStore* const store)
    : NameStoreIterator(store->pairIterator()) {}

} // namespace SprSys
