#include "SprSys/AnimSeqMappingStoresIterator.h"

#include "SprSys/AnimSeqMappingStores.h"

namespace SprSys {

AnimSeqMappingStoresIterator::AnimSeqMappingStoresIterator(const AnimSeqMappingStores* const stores)
    : NameStoreIterator(stores->pairIterator()) {}

} // namespace SprSys
