#pragma once

class QWidget;

namespace desktop {

// Keeps an ownerless window (title screen, game-over screen) off the taskbar,
// where only the main window belongs. Windows gives every ownerless top-level
// window a taskbar button, so there the window gets a hidden owner, the way
// Windows programs do (Qt then no longer counts it for ending the program:
// see program_lifetime.h). On X11 the window asks the window manager to skip
// it in the taskbar and the pager, which a window of its own needs and a
// dialog takes no harm from. Call from the constructor.
void keepOffTaskbar(QWidget* window);

}  // namespace desktop
