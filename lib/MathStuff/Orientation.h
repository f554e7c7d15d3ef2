#pragma once

#include "MathStuff/Vector3.h"

namespace MathStuff {

// Where a camera or model stands: it looks from position along direction with up;
// scale applies to a model's axes and is ignored by the camera.
template <typename T>
struct Orientation {
    Vector3<T> position;
    Vector3<T> direction;
    Vector3<T> up;
    Vector3<T> scale;
};

} // namespace MathStuff
