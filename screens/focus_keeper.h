#pragma once

class QWidget;

namespace screens {

// Gives window the keyboard focus once it is shown, and again whenever the
// window that owns it takes the focus while it stays open: a compositor may
// carry out an earlier activation of the owner after the window has opened.
// A window without an owner takes it back from anchor only while it settles
// (its first second): after that the player may go back to the anchor.
void keepFocusWhileOpen(QWidget& window, const QWidget* anchor = nullptr);

}  // namespace screens
