#pragma once

#include <QColor>

#include <cstdint>

namespace screens {

// Window designs measure in twips; 15 twips make one logical pixel.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

// Design colours are 24-bit with red in the low byte and blue in the high byte.
inline QColor colorFromDesignValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace screens
