#include "SprSys/AnimSequenceStore.h"

namespace SprSys {

namespace {

AnimSequence* dummySequence() {
    // The sequence stores' own default frame; the frame stores have another with the same
    // values.
    static AnimFrame s_dummyFrame;
    static AnimSequence s_dummySeq{AnimSeqEntry{{&s_dummyFrame}}};
    return &s_dummySeq;
}

} // namespace

AnimSequenceStore::AnimSequenceStore() : NamedStore("AnimSequenceStore", dummySequence()) {}

} // namespace SprSys
