#include "desktop/teardown_deadline.h"

#include <cstdio>
#include <cstdlib>

namespace desktop {

TeardownDeadline::TeardownDeadline(std::chrono::milliseconds deadline) : deadline_(deadline) {}

void TeardownDeadline::arm(int exitCode)
{
    if (watch_.joinable())
        return;
    watch_ = std::thread([this, exitCode] {
        std::unique_lock lock(mutex_);
        if (done_.wait_for(lock, deadline_, [this] { return finished_; }))
            return;
        std::fputs("nabrel: the windowing system's teardown did not end in time; the program ends without it\n", stderr);
        std::_Exit(exitCode);  // no destructor or atexit handler: they may be what hangs
    });
}

TeardownDeadline::~TeardownDeadline()
{
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_one();
    if (watch_.joinable())
        watch_.join();
}

}  // namespace desktop
