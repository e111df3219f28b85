#pragma once

class QApplication;

namespace desktop {

// Ends the program once none of its windows is left on the screen, on every
// platform alike. Qt's own rule does not count windows that have an owner,
// and on Windows the title and game-over screens have a hidden one (taskbar.h).
void quitWhenNoWindowIsLeft(QApplication& app);

}  // namespace desktop
