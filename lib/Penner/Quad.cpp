#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

float Quad::easeIn(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(c * u * u + b);
}

float Quad::easeOut(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(-c * u * (u - 2) + b);
}

float Quad::easeInOut(const float t, const float b, const float c, const float d) {
    const double h = halfFraction(t, d);
    if (h < 1) {
        return toFloat((c * 0.5) * h * h + b);
    }
    const double w = h - 1;
    return toFloat(-(c * 0.5) * (w * (w - 2) - 1) + b);
}

template class EaseOutIn<Quad>;

} // namespace Penner
