#pragma once

#include "Util/BasicStore.h"

#include <string>

namespace Util {

// Base of Util::NamePtrStore: gives the basic store's add the owning store's rule, so that
// a caller holding the store as a Util::BasicStore cannot overwrite, and so orphan, an
// object the store owns. It is a class of its own because NamePtrStore's add(name, pointer)
// takes the same arguments and would make every call of either ambiguous.
template <typename T>
class NamePtrStoreBase : public BasicStore<std::string, T*> {
public:
    // Stores the object unless the name already holds one or the object is null (or the
    // null value); a refused object stays with the caller.
    void add(const std::string& name, T* const& object) override {
        if (object == nullptr || object == this->nullValue() ||
            this->find(name) != this->nullValue()) {
            return;
        }
        BasicStore<std::string, T*>::add(name, object);
    }

protected:
    explicit NamePtrStoreBase(T* const nullValue) : BasicStore<std::string, T*>(nullValue) {}
};

} // namespace Util
