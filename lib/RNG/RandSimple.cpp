#include "RNG/RandSimple.h"

namespace RNG {

RandSimple::RandSimple(const unsigned int seed) : m_state(seed) {}

void RandSimple::initialise(const unsigned int seed) {
    m_state = seed;
}

void RandSimple::initialise(const unsigned int* const seeds, const int count) {
    if (seeds != nullptr && count >= 1) {
        initialise(seeds[0]);
    }
}

float RandSimple::getFloat() {
    constexpr std::uint32_t MAX_HASH = 0x7fffffffu;
    const std::uint32_t x = (m_state << 13) ^ m_state;
    const std::uint32_t hash = ((x * x * 15731u + 789221u) * x + 1376312589u) & MAX_HASH;
    // Divided in x87 extended precision, so that the float is the quotient rounded once:
    // through double, the quotient of one hash value (2147483583) would first round to the
    // midpoint below 1 and then up to exactly 1, which only the largest hash may give.
    const long double value = static_cast<long double>(hash) / MAX_HASH;
    // The state advances by trunc(value * 0xffffffff), which is exactly 2 * hash plus 1 for
    // the largest hash; the integer form keeps it exact where floating point would round.
    m_state += 2u * hash + hash / MAX_HASH;
    return static_cast<float>(value);
}

} // namespace RNG
