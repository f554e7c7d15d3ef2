#include "SprSys/AnimSeqMappingStores.h"

#include "SprSys/AnimSeqMappingStoresIterator.h"

namespace SprSys {

class AnimSeqMappingStores::Impl : public Util::NamePtrStore<AnimSeqMapStore> {
public:
    using NamePtrStore::NamePtrStore;
};

AnimSeqMappingStores::AnimSeqMappingStores() {
    static AnimSeqMapStore l_dummyStore(nullptr);
    m_impl = std::make_unique<Impl>("AnimSeqMappingStores", &l_dummyStore);
}

AnimSeqMappingStores::~AnimSeqMappingStores() = default;

AnimSeqMapStore* AnimSeqMappingStores::get(const std::string& name) const {
    return m_impl->get(name);
}

AnimSeqMapStore* AnimSeqMappingStores::add(const std::string& name, AnimSeqMapStore* const store) {
    return m_impl->add(name, store);
}

void AnimSeqMappingStores::clear() {
    m_impl->clear();
}

std::unique_ptr<AnimSeqMappingStoresIterator> AnimSeqMappingStores::getIterator() const {
    return std::make_unique<AnimSeqMappingStoresIterator>(this);
}

std::unique_ptr<Util::NamePtrStoreIterator<AnimSeqMapStore>>
AnimSeqMappingStores::pairIterator() const {
    return m_impl->getPairIterator();
}

} // namespace SprSys
