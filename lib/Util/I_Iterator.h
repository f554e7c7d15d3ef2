#pragma once

namespace Util {

// Walks a collection of T: first, next until isDone, reading currentItem on the way.
template <typename T>
class I_Iterator {
public:
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool isDone() const = 0;
    virtual T currentItem() const = 0;

protected:
    // Iterators are destroyed only through their concrete type, whose destructor is virtual.
    ~I_Iterator() = default;
};

} // namespace Util
