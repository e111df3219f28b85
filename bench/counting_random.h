#pragma once

#include "random_source.h"

// Passes draws through from the real generator and counts them.
class CountingRandom final : public household::RandomSource {
public:
    explicit CountingRandom(household::RandomSource& inner) : inner_(inner) {}

    void SeedFromClock() override { inner_.SeedFromClock(); }
    float Next() override
    {
        ++draws;
        return inner_.Next();
    }

    long draws = 0;

private:
    household::RandomSource& inner_;
};
