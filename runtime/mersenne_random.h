#pragma once

#include "random_source.h"

#include <cstdint>
#include <random>

namespace runtime {

// Uniform floats in [0, 1) from 24 bits of a Mersenne twister: every value is
// k * 2^-24, so 1.0 can never come up (a float distribution can round to it).
class MersenneRandom final : public household::RandomSource {
public:
    MersenneRandom() { seedFromClock(); }

    void seed(std::uint64_t seed);
    // High-resolution clock ticks, so seeds a millisecond apart differ.
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace runtime
