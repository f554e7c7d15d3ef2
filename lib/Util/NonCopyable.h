#pragma once

namespace Util {

// Base that takes copying away from a class. The parameter keeps the bases of
// unrelated classes distinct.
template <typename T>
class NonCopyable {
protected:
    NonCopyable() = default;
    ~NonCopyable() = default;

public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;
};

} // namespace Util
