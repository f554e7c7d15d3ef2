#include "SprSys/AnimFrameStore.h"

namespace SprSys {

namespace {

AnimFrame* dummyFrame() {
    static AnimFrame s_dummyFrame;
    return &s_dummyFrame;
}

} // namespace

AnimFrameStore::AnimFrameStore() : NamedStore("AnimFrameStore", dummyFrame()) {}

} // namespace SprSys
