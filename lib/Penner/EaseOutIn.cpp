#include "Penner/Adapters.h"
#include "Penner/Arithmetic.h"

namespace Penner {

using namespace Arithmetic;

float easeOutThenIn(const UnitCurve out, const UnitCurve in, const float t, const float b,
                    const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    if (u < 0.5) {
        return toFloat(out(toFloat(2 * u), 0.0f, 1.0f, 1.0f) * 0.5 * c + b);
    }
    return toFloat((in(toFloat(2 * u - 1), 0.0f, 1.0f, 1.0f) * 0.5 + 0.5) * c + b);
}

} // namespace Penner
