#pragma once

namespace MathStuff {

// Sixteen elements in OpenGL's order, column after column (element column * 4 + row),
// so m can be handed to glLoadMatrixf / glMultMatrixf as it is.
template <typename T>
class Matrix4x4 {
public:
    virtual ~Matrix4x4() = default;

    T m[16] = {};
};

} // namespace MathStuff
