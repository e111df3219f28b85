#pragma once

#include "household/random_source.h"

// Passes draws through from the real generator and counts them.
class CountingRandom final : public household::RandomSource {
public:
    explicit CountingRandom(household::RandomSource& inner) : inner_(inner) {}

    void seedFromClock() override { inner_.seedFromClock(); }
    float next() override
    {
        ++draws;
        return inner_.next();
    }

    long draws = 0;

private:
    household::RandomSource& inner_;
};
