#include "SprSys/AnimSeqMappingStores.h"

namespace SprSys {

namespace {

AnimSeqMapStore* dummyStore() {
    static AnimSeqMapStore s_dummyStore(nullptr);
    return &s_dummyStore;
}

} // namespace

AnimSeqMappingStores::AnimSeqMappingStores() : NamedStore("AnimSeqMappingStores", dummyStore()) {}

} // namespace SprSys
