#pragma once

namespace household {

// The one random sequence that the turn cycle, the Work action and the
// game-over screen share.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void seedFromClock() = 0;
    // Uniform single-precision draw r with 0 <= r < 1.
    virtual float next() = 0;
};

}  // namespace household
