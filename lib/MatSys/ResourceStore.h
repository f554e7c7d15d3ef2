#pragma once

#include "Util/NamePtrStore.h"
#include "Util/NamePtrStoreIterator.h"
#include "Util/WalkIterator.h"

#include <memory>
#include <string>
#include <utility>

namespace MatSys {

// The core of the material system's stores: T objects kept and owned by name, and a maker
// (not owned, may be null) that makes the objects a store is asked for and lacks.
//
// Ownership has one rule: an object offered to add that the store does not keep (its name
// is taken, or it is null) stays with whoever offered it. The store offers the objects its
// maker makes, so one it cannot keep it deletes itself; every object a store hands out is
// one it holds.
template <typename T, typename Maker>
class ResourceStore {
public:
    // Yields each name with its object; once done, an empty name with null.
    using Iterator = Util::WalkIterator<std::pair<std::string, T*>, Util::NamePtrStoreIterator<T>>;

    ResourceStore(const ResourceStore&) = delete;
    ResourceStore& operator=(const ResourceStore&) = delete;
    // Deletes every object in name order; the maker is left alone.
    virtual ~ResourceStore() = default;

    virtual bool exists(const std::string& name) const { return m_objects.exists(name); }

    // The object stored under the name. A missing one is null, unless create is set and
    // there is a maker: then it is made and kept, and null only when it cannot be made.
    virtual T* get(const std::string& name, const bool create) {
        if (!create) {
            return m_objects.get(name);
        }
        return findOrMake(name, [this, &name](Maker& maker) { return makeMissing(maker, name); });
    }

    // Takes the object over unless the name is taken or the object is null; returns the
    // object the name holds afterwards.
    virtual T* add(const std::string& name, T* const object) { return m_objects.add(name, object); }

    // Deletes the named object; false when the name is absent.
    virtual bool destroy(const std::string& name) { return m_objects.destroy(name); }
    virtual void clear() { m_objects.clear(); }

    virtual std::unique_ptr<Iterator> getIterator() const {
        return std::make_unique<Iterator>(m_objects.getPairIterator());
    }

protected:
    ResourceStore(const std::string& storeName, Maker* const maker)
        : m_objects(storeName), m_maker(maker) {}

    Maker* maker() const { return m_maker; }
    void setMaker(Maker* const maker) { m_maker = maker; }

    // What get(name, true) makes for a name the store lacks.
    virtual T* makeMissing(Maker& maker, const std::string& name) = 0;

    // The object stored under the name, or else, with a maker, make(maker) kept under it.
    template <typename Make>
    T* findOrMake(const std::string& name, const Make& make) {
        if (T* const stored = m_objects.get(name)) {
            return stored;
        }
        return m_maker != nullptr ? keep(name, make(*m_maker)) : nullptr;
    }

    // Offers an object the store made to add, and deletes it when add does not keep it.
    T* keep(const std::string& name, T* const made) {
        T* const kept = add(name, made);
        if (kept != made) {
            delete made;
        }
        return kept;
    }

private:
    Util::NamePtrStore<T> m_objects;
    Maker* m_maker;
};

} // namespace MatSys
