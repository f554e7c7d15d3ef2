#include "SprSys/AnimFrameStore.h"

#include "SprSys/AnimFrameStoreIterator.h"

namespace SprSys {

class AnimFrameStore::Impl : public Util::NamePtrStore<AnimFrame> {
public:
    using NamePtrStore::NamePtrStore;
};

AnimFrameStore::AnimFrameStore() {
    static AnimFrame l_dummyFrame;
    m_impl = std::make_unique<Impl>("AnimFrameStore", &l_dummyFrame);
}

AnimFrameStore::~AnimFrameStore() = default;

AnimFrame* AnimFrameStore::get(const std::string& name) const {
    return m_impl->get(name);
}

AnimFrame* AnimFrameStore::add(const std::string& name, AnimFrame* const frame) {
    return m_impl->add(name, frame);
}

void AnimFrameStore::clear() {
    m_impl->clear();
}

std::unique_ptr<AnimFrameStoreIterator> AnimFrameStore::getIterator() const {
    return std::make_unique<AnimFrameStoreIterator>(this);
}

std::unique_ptr<Util::NamePtrStoreIterator<AnimFrame>> AnimFrameStore::pairIterator() const {
    return m_impl->getPairIterator();
}

} // namespace SprSys
