#pragma once

#include <QColor>
#include <QString>
#include <qnamespace.h>

#include <cstdint>

namespace runtime {

// "～Nabrel～ Orlenby": the caption of every window but the choice dialog, and of every message box.
QString appTitle();

// Window designs measure in twips; 15 twips make one logical pixel.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

// Fixed frames of the designs: caption, window menu and close box, and no
// maximize or minimize button.
inline constexpr Qt::WindowFlags kFixedSingleFrame =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// The choice dialog's: a caption only, no close box and no window menu.
inline constexpr Qt::WindowFlags kChoiceDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Design colours are 24-bit with red in the low byte and blue in the high byte.
QColor colorFromDesignValue(std::uint32_t value);

}  // namespace runtime
