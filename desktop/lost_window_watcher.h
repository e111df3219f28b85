#pragma once

class QWidget;

namespace desktop {

// Another X client can destroy one of the game's windows outright (a crashed
// or hostile client, `xdotool windowclose`), and Qt takes no notice. Once
// watching, such a window is closed from the event loop as if through its
// frame, and windowLost() is true for it from then on: a window that would
// ask before closing has nothing left to ask on. Call once, after the application.
void watchForLostWindows();
bool windowLost(const QWidget* window);

}  // namespace desktop
