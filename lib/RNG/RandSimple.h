#pragma once

#include "RNG/I_Random.h"

#include <cstdint>

namespace RNG {

// A small deterministic generator over a 32-bit integer hash: the same seed always gives the
// same sequence.
class RandSimple : public I_Random {
public:
    explicit RandSimple(unsigned int seed);

    void initialise(unsigned int seed) override;
    // Does nothing without a seed (null seeds or a count below 1).
    void initialise(const unsigned int* seeds, int count) override;
    float getFloat() override;

private:
    std::uint32_t m_state;
};

} // namespace RNG
