#pragma once

#include "SprSys/AnimFrame.h"
#include "Util/NamePtrStore.h"

#include <memory>
#include <string>

namespace SprSys {

class AnimFrameStoreIterator;

// Animation frames by name, owned by the store. A name the store does not hold gives the
// default frame (cell 0, unmoved, unturned, unscaled), one object shared by every frame
// store, never null.
class AnimFrameStore {
public:
    AnimFrameStore();
    ~AnimFrameStore();

    AnimFrameStore(const AnimFrameStore&) = delete;
    AnimFrameStore& operator=(const AnimFrameStore&) = delete;

    // The frame under the name, or the default frame; the caller neither changes nor deletes it.
    AnimFrame* get(const std::string& name) const;
    // Stores a frame made with new and takes it over, returning it. A name already taken
    // keeps its frame, which is returned; the offered frame then stays with the caller. The
    // default frame is never stored.
    AnimFrame* add(const std::string& name, AnimFrame* frame);
    // Deletes every frame held.
    void clear();
    std::unique_ptr<AnimFrameStoreIterator> getIterator() const;

    class Impl;

private:
    friend class AnimFrameStoreIterator;
    std::unique_ptr<Util::NamePtrStoreIterator<AnimFrame>> pairIterator() const;

    std::unique_ptr<Impl> m_impl;
};

} // namespace SprSys
