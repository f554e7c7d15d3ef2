#pragma once

#include "SprSys/AnimSeqMapStore.h"
#include "Util/NamePtrStore.h"

#include <memory>
#include <string>

namespace SprSys {

class AnimSeqMappingStoresIterator;

// Map stores by name, owned by the collection. A name it does not hold gives the default
// map store: empty, over no sequence store, shared by every collection, never null.
class AnimSeqMappingStores {
public:
    AnimSeqMappingStores();
    ~AnimSeqMappingStores();

    AnimSeqMappingStores(const AnimSeqMappingStores&) = delete;
    AnimSeqMappingStores& operator=(const AnimSeqMappingStores&) = delete;

    AnimSeqMapStore* get(const std::string& name) const;
    // Files a map store made with new and takes it over, returning it. A name already taken
    // keeps its map store, which is returned; the offered one then stays with the caller.
    // The default map store is never filed.
    AnimSeqMapStore* add(const std::string& name, AnimSeqMapStore* store);
    // Deletes every map store filed.
    void clear();
    std::unique_ptr<AnimSeqMappingStoresIterator> getIterator() const;

    class Impl;

private:
    friend class AnimSeqMappingStoresIterator;
    std::unique_ptr<Util::NamePtrStoreIterator<AnimSeqMapStore>> pairIterator() const;

    std::unique_ptr<Impl> m_impl;
};

} // namespace SprSys
