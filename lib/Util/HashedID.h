#pragma once

#include "Util/HashedItem.h"
#include "Util/IDHashTable.h"
#include "Util/UniqueID.h"

#include <memory>

namespace Util {

// A Util::UniqueID whose number is recorded in the process-wide Util::IDHashTable from the
// end of its construction to the start of its destruction. A copy records a number of its
// own, so no number is ever recorded twice.
template <typename T>
class HashedID : public UniqueID<T> {
public:
    HashedID() { enter(); }
    HashedID(const HashedID& other) : UniqueID<T>(other) { enter(); }
    HashedID& operator=(const HashedID&) = default;

    virtual ~HashedID() {
        const HashedItem<T> probe(this->getID());
        const std::unique_ptr<HashedItem<T>> item(IDHashTable<T>::instance().remove(&probe));
    }

private:
    void enter() const {
        IDHashTable<T>& table = IDHashTable<T>::instance();
        auto item = std::make_unique<HashedItem<T>>(this->getID());
        table.insert(item.get());
        // NOLINTNEXTLINE(bugprone-unused-return-value): the table owns the item now.
        item.release();
    }
};

} // namespace Util
