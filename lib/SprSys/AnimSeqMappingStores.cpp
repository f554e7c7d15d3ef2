#include "SprSys/AnimSeqMappingStores.h"

namespace SprSys {

namespace {

AnimSeqMapStore* dummyStore() {
    static AnimSeqMapStore l_dummyStore(nullptr);
    return &l_dummyStore;
}

} // namespace

AnimSeqMappingStores::AnimSeqMappingStores() : NamedStore("AnimSeqMappingStores", dummyStore()) {}

} // namespace SprSys
