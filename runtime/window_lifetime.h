#pragma once

#include <functional>

class QWidget;

namespace runtime {

// The one rule for how a window ends: nothing is deleted while an action, a
// message box or a choice runs on the window's behalf. A close decided
// meanwhile (the player's yes, or the window destroyed by another client)
// stops what runs at once and is carried out when the last of it has
// returned; from then on nothing new runs. A close nobody has decided asks
// the window's question, from the event loop rather than inside the close.
class WindowLifetime {
public:
    // ask: the window's quit question, true to quit. stop: ends whatever runs
    // on the window's behalf (its boxes answered, its choice cancelled), silently.
    WindowLifetime(QWidget& window, std::function<bool()> ask, std::function<void()> stop);

    // Runs work on the window's behalf; nothing once the window is ending.
    void run(const std::function<void()>& work);
    // Asks the question (once, however often requested meanwhile); closes on yes.
    void askToClose();
    // The window's closeEvent asks this: true when the window may go now.
    bool mayCloseNow();

private:
    // The close is decided: what runs is stopped; the caller closes when nothing runs.
    void end();

    QWidget& window_;
    std::function<bool()> ask_;
    std::function<void()> stop_;
    int running_ = 0;
    bool asking_ = false;
    bool ending_ = false;
};

}  // namespace runtime
