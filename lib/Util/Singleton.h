#pragma once

#include "Util/NonCopyable.h"

namespace Util {

// Makes T exist once per process: T derives publicly from Singleton<T> and is
// reached through instance(). The object is built on the first call and destroyed
// at normal exit, in the reverse order in which the process-wide objects were built.
template <typename T>
class Singleton : private NonCopyable<T> {
public:
    static T& instance() {
        static T s_instance;
        return s_instance;
    }

protected:
    Singleton() = default;
    ~Singleton() = default;
};

} // namespace Util
