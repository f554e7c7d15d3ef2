#pragma once

namespace MathStuff {

template <typename T>
struct Vector3 {
    T x;
    T y;
    T z;
};

} // namespace MathStuff
