#include "startup_resources.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <latch>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace runtime {

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
#endif

// The toolkit runs threads of its own beside this one (display events, the
// desktop's buses) and waits for them: one that cannot start leaves the
// program waiting for ever. Each needs a stack and an allocation arena, so
// as many start here at once, each allocating, before the toolkit's turn.
constexpr int kToolkitThreads = 3;

bool threadsStart()
{
    std::vector<std::thread> probes;
    std::latch allStarted(kToolkitThreads);
    try {
        for (int i = 0; i < kToolkitThreads; ++i)
            probes.emplace_back([&allStarted] {
                const auto block = std::make_unique<char[]>(4096);
                allStarted.arrive_and_wait();
            });
    } catch (const std::system_error&) {
        // Those started wait for the others: let them go before saying why.
        allStarted.count_down(kToolkitThreads - static_cast<std::ptrdiff_t>(probes.size()));
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
    if (!enoughDescriptors())
        return false;
#endif
    return threadsStart();
}

}  // namespace runtime
