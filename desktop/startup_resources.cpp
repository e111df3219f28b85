#include "desktop/startup_resources.h"

#include <QtGlobal>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace desktop {

namespace {

#ifdef Q_OS_UNIX
// A game opens about 13 descriptors at its peak (display, session bus, event
// and wake-up pipes); font configuration briefly opens more.
constexpr rlim_t kDescriptorsNeeded = 32;

bool enoughDescriptors()
{
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0)
        return true;
    if (files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
        getrlimit(RLIMIT_NOFILE, &files);
    }
    if (files.rlim_cur >= kDescriptorsNeeded)
        return true;
    std::fprintf(stderr, "nabrel: only %llu file descriptors may be open (ulimit -n); the game needs %llu\n",
                 static_cast<unsigned long long>(files.rlim_cur), static_cast<unsigned long long>(kDescriptorsNeeded));
    return false;
}

// A whole game reaches about 350 MiB of address space (the libraries, the
// display's buffers, each thread's stack and allocation arena). Below that
// the toolkit fails in ways it does not report: a crash loading the
// platform plugin or setting the window icon.
constexpr rlim_t kAddressSpaceNeeded = rlim_t{400} << 20;

bool enoughAddressSpace()
{
    rlimit space{};
    if (getrlimit(RLIMIT_AS, &space) != 0 || space.rlim_cur == RLIM_INFINITY || space.rlim_cur >= kAddressSpaceNeeded)
        return true;
    std::fprintf(stderr, "nabrel: only %llu KiB of address space may be used (ulimit -v); the game needs %llu KiB\n",
                 static_cast<unsigned long long>(space.rlim_cur >> 10),
                 static_cast<unsigned long long>(kAddressSpaceNeeded >> 10));
    return false;
}
#endif

// The toolkit runs threads of its own beside this one (display events, the
// desktop's buses) and waits for them: one that cannot start leaves the
// program waiting for ever. Each needs a stack and an allocation arena, so
// as many start here at once, each allocating, before the toolkit's turn.
constexpr int kToolkitThreads = 3;

// Holds each probe until all have started. A mutex and a condition variable
// rather than std::latch: GCC 12's latch on Windows can miss its last wake-up,
// leaving a probe waiting and the program with it.
class StartingLine
{
public:
    void arriveAndWait()
    {
        std::unique_lock lock(mutex_);
        ++arrived_;
        allArrived_.notify_all();
        allArrived_.wait(lock, [this] { return arrived_ >= kToolkitThreads; });
    }
    // Lets those waiting go when the others will never come.
    void release()
    {
        {
            std::lock_guard lock(mutex_);
            arrived_ = kToolkitThreads;
        }
        allArrived_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable allArrived_;
    int arrived_ = 0;
};

bool threadsStart()
{
    std::vector<std::thread> probes;
    StartingLine line;
    try {
        for (int i = 0; i < kToolkitThreads; ++i)
            probes.emplace_back([&line] {
                const auto block = std::make_unique<char[]>(4096);
                line.arriveAndWait();
            });
    } catch (const std::system_error&) {
        line.release();
        for (std::thread& probe : probes)
            probe.join();
        std::fputs("nabrel: the toolkit's threads cannot start (too little memory allowed: ulimit -v, or too many "
                   "processes: ulimit -u)\n",
                   stderr);
        return false;
    }
    for (std::thread& probe : probes)
        probe.join();
    return true;
}

// Memory that runs out inside the toolkit ends the program with one line
// rather than an abort's report.
[[noreturn]] void endOnUncaughtException()
{
    if (const std::exception_ptr uncaught = std::current_exception()) {
        try {
            std::rethrow_exception(uncaught);
        } catch (const std::bad_alloc&) {
            std::fputs("nabrel: out of memory (too little memory allowed: ulimit -v)\n", stderr);
            std::_Exit(1);
        } catch (...) {
        }
    }
    std::abort();
}

}  // namespace

bool ensureStartupResources()
{
    std::set_terminate(endOnUncaughtException);
#ifdef Q_OS_UNIX
    if (!enoughDescriptors() || !enoughAddressSpace())
        return false;
#endif
    return threadsStart();
}

}  // namespace desktop
