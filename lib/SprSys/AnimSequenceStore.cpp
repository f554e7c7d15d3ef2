#include "SprSys/AnimSequenceStore.h"

namespace SprSys {

namespace {

AnimSequence* dummySequence() {
    // The sequence stores' own default frame; the frame stores have another with the same
    // values.
    static AnimFrame l_dummyFrame;
    static AnimSequence l_dummySeq{AnimSeqEntry{{&l_dummyFrame}}};
    return &l_dummySeq;
}

} // namespace

AnimSequenceStore::AnimSequenceStore() : NamedStore("AnimSequenceStore", dummySequence()) {}

} // namespace SprSys
