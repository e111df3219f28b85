#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace runtime {

// "～Nabrel～ Orlenby": the caption of every window but the choice dialog, and of every message box.
QString AppTitle();

// Window designs measure in twips; 15 twips make one logical pixel.
constexpr int TwipsToPixels(int twips)
{
    return twips / 15;
}

// Design colours are 24-bit with red in the low byte and blue in the high byte.
QColor ColorFromDesignValue(std::uint32_t value);

}  // namespace runtime
