#pragma once

#include "SprSys/AnimSeqMapStore.h"
#include "SprSys/NamedStore.h"

namespace SprSys {

// Map stores by name, owned by the collection. A name it does not hold gives the default
// map store: empty, over no sequence store, shared by every collection.
class AnimSeqMappingStores : public NamedStore<AnimSeqMapStore> {
public:
    AnimSeqMappingStores();
};

using AnimSeqMappingStoresIterator = NameStoreIterator<AnimSeqMapStore>;

} // namespace SprSys
