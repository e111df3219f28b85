#pragma once

#include <QColor>
#include <QString>
#include <qnamespace.h>

#include <cstdint>

class QWidget;

namespace runtime {

// The game's title (nabrel::kTitle): the caption of every window but the choice dialog, and of every message box.
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

// Gives window the keyboard focus once it is shown, and again whenever the
// window that owns it takes the focus while it stays open: a compositor may
// carry out an earlier activation of the owner after the window has opened.
// A window without an owner takes it back from anchor only while it settles
// (its first second): after that the player may go back to the anchor.
void keepFocusWhileOpen(QWidget& window, const QWidget* anchor = nullptr);
// The object name of the window's child that is there until it has settled.
inline constexpr char kActivationPending[] = "activationPending";

// Design colours are 24-bit with red in the low byte and blue in the high byte.
QColor colorFromDesignValue(std::uint32_t value);
// The design colour of one random draw r in [0, 1): round(r * 2^24), ties to even.
std::uint32_t colorValueOf(float r);

}  // namespace runtime
