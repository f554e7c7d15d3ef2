#pragma once

namespace MathStuff {

template <typename T>
struct Vector3 {
    T x;
    T y;
    T z;
};

// The cross product a x b.
template <typename T>
Vector3<T> cross(const Vector3<T>& a, const Vector3<T>& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

} // namespace MathStuff
