#pragma once

class QWidget;

namespace desktop {

// Keeps an ownerless window (title screen, game-over screen) off the taskbar,
// where only the main window belongs. Windows gives every ownerless top-level
// window a taskbar button, so there the window gets a hidden owner, the way
// Windows programs do (Qt then no longer counts it for ending the program:
// see program_lifetime.h). Elsewhere the dialog frame is enough. Call from the
// constructor.
void keepOffTaskbar(QWidget* window);

}  // namespace desktop
