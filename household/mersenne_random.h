#pragma once

#include "household/random_source.h"

#include <cstdint>
#include <random>

namespace household {

// Uniform floats in [0, 1) from 24 bits of a Mersenne twister: every value is
// k * 2^-24, so 1.0 can never come up (a float distribution can round to it).
class MersenneRandom final : public RandomSource {
public:
    MersenneRandom() { seedFromClock(); }

    // High-resolution clock ticks, so seeds a millisecond apart differ.
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace household
