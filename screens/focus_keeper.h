#pragma once

class QWidget;

namespace screens {

// Gives window the keyboard focus once it is shown, and again whenever its
// owner (else anchor) takes the focus while it settles, its first second: a
// desktop may carry out an earlier activation of the owner after the window
// has opened. After that the player may go back to the owner, which stays
// usable, unless the window is modal: then the owner cannot take keys, and the
// window takes the focus back for as long as it is open, and comes back with
// it if a desktop had minimised it.
void keepFocusWhileOpen(QWidget& window, const QWidget* anchor = nullptr);

}  // namespace screens
