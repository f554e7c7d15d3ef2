#pragma once

#include "Util/BasicHashTable.h"
#include "Util/HashedItem.h"

namespace Util {

// The process-wide record of the numbers of all living Util::HashedID objects.
template <typename K>
class IDHashTable : public BasicHashTable<HashedItem<K>> {
public:
    static IDHashTable& instance() {
        static IDHashTable s_instance;
        return s_instance;
    }

private:
    IDHashTable() : BasicHashTable<HashedItem<K>>(1009) {}
};

} // namespace Util
