#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

float Cubic::easeIn(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(c * u * u * u + b);
}

float Cubic::easeOut(const float t, const float b, const float c, const float d) {
    const double v = static_cast<double>(t) / d - 1;
    return toFloat(c * (v * v * v + 1) + b);
}

float Cubic::easeInOut(const float t, const float b, const float c, const float d) {
    const double h = halfFraction(t, d);
    if (h < 1) {
        return toFloat((c * 0.5) * h * h * h + b);
    }
    const double w = h - 2;
    return toFloat((c * 0.5) * (w * w * w + 2) + b);
}

template class EaseOutIn<Cubic>;

} // namespace Penner
