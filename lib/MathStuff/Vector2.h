#pragma once

namespace MathStuff {

template <typename T>
struct Vector2 {
    T x;
    T y;
};

} // namespace MathStuff
