#include "SprSys/AnimSequenceStore.h"

#include "SprSys/AnimSequenceStoreIterator.h"

namespace SprSys {

class AnimSequenceStore::Impl : public Util::NamePtrStore<AnimSequence> {
public:
    using NamePtrStore::NamePtrStore;
};

AnimSequenceStore::AnimSequenceStore() {
    // The sequence stores' own default frame; the frame stores have another with the same values.
    static AnimFrame l_dummyFrame;
    static AnimSequence l_dummySeq{AnimSeqEntry{{&l_dummyFrame}}};
    m_impl = std::make_unique<Impl>("AnimSequenceStore", &l_dummySeq);
}

AnimSequenceStore::~AnimSequenceStore() = default;

AnimSequence* AnimSequenceStore::get(const std::string& name) const {
    return m_impl->get(name);
}

bool AnimSequenceStore::exists(const std::string& name) const {
    return m_impl->exists(name);
}

AnimSequence* AnimSequenceStore::add(const std::string& name,
                                     std::vector<AnimSeqEntry>* const sequence) {
    return m_impl->add(name, sequence);
}

void AnimSequenceStore::clear() {
    m_impl->clear();
}

std::unique_ptr<AnimSequenceStoreIterator> AnimSequenceStore::getIterator() const {
    return std::make_unique<AnimSequenceStoreIterator>(this);
}

std::unique_ptr<Util::NamePtrStoreIterator<AnimSequence>> AnimSequenceStore::pairIterator() const {
    return m_impl->getPairIterator();
}

} // namespace SprSys
