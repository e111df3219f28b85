#pragma once

class QWidget;

namespace runtime {

// Another X client can destroy one of the game's windows outright (a crashed
// or hostile client, `xdotool windowclose`), and Qt takes no notice. Once
// watching, such a window is asked to close as if through its frame, and
// windowLost() is true for it from then on. Call once, after the application.
void watchForLostWindows();
bool windowLost(const QWidget* window);
// What the watcher does with a window another client destroyed: marks it lost
// and closes it, from the event loop, as if through its frame.
void loseWindow(QWidget* window);

}  // namespace runtime
