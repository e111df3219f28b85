#include "household/mersenne_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

using household::MersenneRandom;

TEST(MersenneRandom, DrawsStayBelowOneOnTheGridAndCoverTheRangeEvenly)
{
    MersenneRandom random;
    constexpr int kDraws = 1'000'000;
    std::array<int, 16> bins{};
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        ASSERT_EQ(r * 0x1p24f, std::floor(r * 0x1p24f)) << "a multiple of 2^-24";
        ++bins[static_cast<int>(r * 16)];
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    for (int count : bins)
        EXPECT_LT(std::abs(count - kDraws / 16), kDraws / 16 / 50) << count;
    EXPECT_LT(lowest, 1e-4f);
    EXPECT_GT(highest, 1.0f - 1e-4f);
}

TEST(MersenneRandom, ClockSeedsAMillisecondApartDiffer)
{
    MersenneRandom a, b;
    a.seedFromClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    b.seedFromClock();
    bool differ = false;
    for (int i = 0; i < 4 && !differ; ++i)
        differ = a.next() != b.next();
    EXPECT_TRUE(differ);
}
