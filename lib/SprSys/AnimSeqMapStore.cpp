#include "SprSys/AnimSeqMapStore.h"

#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSequenceStore.h"

namespace SprSys {

class AnimSeqMapStore::Impl : public Util::BasicStore<Key, AnimSequence*> {
public:
    Impl() : BasicStore(nullptr) {}
};

namespace {

constexpr int DEFAULT_KEY = -1;

} // namespace

AnimSeqMapStore::AnimSeqMapStore(const AnimSequenceStore* const sequences)
    : m_impl(std::make_unique<Impl>()), m_sequences(sequences) {}

AnimSeqMapStore::~AnimSeqMapStore() = default;

AnimSequence* AnimSeqMapStore::get(const std::string& fromName, const int key) const {
    return m_sequences != nullptr ? get(m_sequences->get(fromName), key) : nullptr;
}

AnimSequence* AnimSeqMapStore::get(const AnimSequence* const from, const int key) const {
    AnimSequence* const to = m_impl->find(Key(from, key));
    if (to != nullptr || key == DEFAULT_KEY) {
        return to;
    }
    return m_impl->find(Key(from, DEFAULT_KEY));
}

void AnimSeqMapStore::add(const std::string& fromName, const int key, AnimSequence* const to) {
    if (m_sequences != nullptr) {
        add(m_sequences->get(fromName), key, to);
    }
}

void AnimSeqMapStore::add(const AnimSequence* const from, const int key, AnimSequence* const to) {
    m_impl->add(Key(from, key), to);
}

void AnimSeqMapStore::clear() {
    m_impl->clear();
}

std::unique_ptr<AnimSeqMapStoreIterator> AnimSeqMapStore::getIterator() const {
    return std::make_unique<AnimSeqMapStoreIterator>(this);
}

std::unique_ptr<Util::BasicStoreIterator<AnimSeqMapStore::Key, AnimSequence*>>
AnimSeqMapStore::tableIterator() const {
    return m_impl->getIterator();
}

} // namespace SprSys
