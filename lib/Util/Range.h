#pragma once

namespace Util {

// Two values in the order the configuration lists them; nothing checks min <= max.
template <typename T>
struct Range {
    T min;
    T max;
};

} // namespace Util
