#include "SprSys/AnimFrameStore.h"

namespace SprSys {

namespace {

AnimFrame* dummyFrame() {
    static AnimFrame l_dummyFrame;
    return &l_dummyFrame;
}

} // namespace

AnimFrameStore::AnimFrameStore() : NamedStore("AnimFrameStore", dummyFrame()) {}

} // namespace SprSys
