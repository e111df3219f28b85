#include "mersenne_random.h"

#include <chrono>

namespace runtime {

void MersenneRandom::seed(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(sequence);
}

void MersenneRandom::seedFromClock()
{
    seed(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float MersenneRandom::next()
{
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

}  // namespace runtime
