#pragma once

class QWidget;

namespace desktop {

// A window manager may minimise any window, whatever its frame asks (openbox
// and KWin offer Minimise on every one), and Qt's raise() and activateWindow()
// leave a minimised window where it is. A window that waits for the player
// comes back through these.

// Shows the window restored (mapped, not only raised) and in front, and asks
// for the keyboard.
void bringBack(QWidget& window);

// For as long as window lives: whenever owner is restored from minimised while
// window is minimised, window comes back too (bringBack), as a player who
// brings back the main window expects what belongs to it. Activating the
// owner alone leaves a minimised window where the player put it.
void returnWithOwner(QWidget& window, QWidget& owner);

}  // namespace desktop
