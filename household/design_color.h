#pragma once

#include "household/rounding.h"

#include <cstdint>

namespace household {

// The design colour (24-bit, red in the low byte) of one random draw r in
// [0, 1): round(r * 2^24), ties to even. r < 1 in single precision, so the
// product is at most 2^24 - 1.
inline std::uint32_t colorValueOf(float r)
{
    return static_cast<std::uint32_t>(roundHalfEven(static_cast<double>(r) * 16777216.0));
}

}  // namespace household
