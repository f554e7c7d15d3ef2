#pragma once

#include "Util/NamePtrStoreBase.h"
#include "Util/NamePtrStoreIterator.h"

#include <memory>
#include <string>

namespace Util {

// The owning store of named heap objects: a name is bound to the first object added under
// it, and the store deletes its objects when they are destroyed, cleared or the store goes.
// It never holds a null pointer or the null value, and so never deletes the null value.
template <typename T>
class NamePtrStore : public NamePtrStoreBase<T> {
public:
    // The store name is kept for the owner; the store itself never reads it.
    explicit NamePtrStore(const std::string& storeName, T* const nullValue = nullptr)
        : NamePtrStoreBase<T>(nullValue), m_storeName(storeName) {}

    NamePtrStore(const NamePtrStore&) = delete;
    NamePtrStore& operator=(const NamePtrStore&) = delete;

    ~NamePtrStore() override { NamePtrStore::clear(); }

    // Deletes every object in name order, then erases the entries, so an object's destructor
    // must not touch the store.
    void clear() override {
        for (auto walk = BasicStore<std::string, T*>::getIterator(); !walk->isDone();
             walk->next()) {
            delete walk->currentItem();
        }
        BasicStore<std::string, T*>::clear();
    }

    virtual bool exists(const std::string& name) const { return get(name) != this->nullValue(); }

    // The object stored under the name, or the null value.
    virtual T* get(const std::string& name) const { return this->find(name); }

    // Stores the object and takes it over; returns the object the name refers to afterwards.
    // A name already taken keeps its object and a null object is not stored: the offered
    // object then stays with the caller, who must dispose of it.
    // It hides the base's add on purpose: both take a name and a pointer, so with both in
    // view every call would be ambiguous.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
    virtual T* add(const std::string& name, T* const object) {
        NamePtrStoreBase<T>::add(name, object);
        return get(name);
    }
#pragma GCC diagnostic pop

    // Erases the entry and deletes its object; false when the name is absent.
    virtual bool destroy(const std::string& name) {
        T* const object = this->remove(name);
        if (object == this->nullValue()) {
            return false;
        }
        delete object;
        return true;
    }

    // A new iterator standing on the smallest name.
    virtual std::unique_ptr<NamePtrStoreIterator<T>> getPairIterator() const {
        return std::make_unique<NamePtrStoreIterator<T>>(this);
    }

private:
    const std::string m_storeName;
};

} // namespace Util
