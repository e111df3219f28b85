#include "household/mersenne_random.h"

#include <chrono>

namespace household {

void MersenneRandom::seedFromClock()
{
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(sequence);
}

float MersenneRandom::next()
{
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

}  // namespace household
