#pragma once

#include "SprSys/AnimSeqMapStore.h"
#include "SprSys/NameStoreIterator.h"

namespace SprSys {

class AnimSeqMappingStores;

// Walks a collection of map stores in ascending name order; used only while the collection
// lives uncleared.
class AnimSeqMappingStoresIterator : public NameStoreIterator<AnimSeqMapStore> {
public:
    explicit AnimSeqMappingStoresIterator(const AnimSeqMappingStores* stores);
};

} // namespace SprSys
