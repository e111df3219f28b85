#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace desktop {

// Bounds the program's way out once its event loop has ended: if the
// teardown after arm() has not reached this object's destruction within the
// deadline, the process ends there with the loop's exit code. Qt 6.4's
// Wayland client can deadlock in QApplication's destructor (its two event
// threads each wait for the other's read), leaving a process with no window
// that never ends. Declare it before the QApplication, so that it goes after.
class TeardownDeadline final {
public:
    explicit TeardownDeadline(std::chrono::milliseconds deadline = std::chrono::seconds(3));
    ~TeardownDeadline();
    TeardownDeadline(const TeardownDeadline&) = delete;
    TeardownDeadline& operator=(const TeardownDeadline&) = delete;

    // Starts the clock; the process ends with exitCode unless this object is
    // destroyed first. Once only.
    void arm(int exitCode);

private:
    const std::chrono::milliseconds deadline_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread watch_;
};

}  // namespace desktop
