#pragma once

namespace RNG {

// A seeded source of random numbers.
class I_Random {
public:
    virtual ~I_Random() = default;

    virtual void initialise(unsigned int seed) = 0;
    // Seeds from the first of count seeds.
    virtual void initialise(const unsigned int* seeds, int count) = 0;
    // The next number in [0, 1], both ends included.
    virtual float getFloat() = 0;
};

} // namespace RNG
