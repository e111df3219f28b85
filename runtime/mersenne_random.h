#pragma once

#include "random_source.h"

#include <cstdint>
#include <random>

namespace runtime {

// Uniform floats in [0, 1) from 24 bits of a Mersenne twister: every value is
// k * 2^-24, so 1.0 can never come up (a float distribution can round to it).
class MersenneRandom final : public household::RandomSource {
public:
    MersenneRandom() { SeedFromClock(); }

    void Seed(std::uint64_t seed);
    // High-resolution clock ticks, so seeds a millisecond apart differ.
    void SeedFromClock() override;
    float Next() override;

private:
    std::mt19937 engine_;
};

// The program's one shared sequence. Tests may put a scripted source in its
// place; nullptr restores the real one.
household::RandomSource& SharedRandom();
void ReplaceSharedRandom(household::RandomSource* replacement);

}  // namespace runtime
