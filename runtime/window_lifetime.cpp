#include "window_lifetime.h"

#include "lost_window_watcher.h"

#include <QWidget>

namespace runtime {

WindowLifetime::WindowLifetime(QWidget& window, std::function<bool()> ask, std::function<void()> stop)
    : window_(window), ask_(std::move(ask)), stop_(std::move(stop))
{
}

void WindowLifetime::run(const std::function<void()>& work)
{
    if (ending_)
        return;
    ++running_;
    work();
    // The close waited for this: the window is hidden now and deleted from the event loop.
    if (--running_ == 0 && ending_)
        window_.close();
}

void WindowLifetime::askToClose()
{
    if (asking_ || ending_)
        return;
    asking_ = true;
    bool yes = false;
    run([this, &yes] { yes = ask_(); });
    asking_ = false;
    if (!yes)
        return;
    end();
    if (running_ == 0)
        window_.close();
}

bool WindowLifetime::mayCloseNow()
{
    // A window another client destroyed has nothing left to ask on.
    if (!ending_ && windowLost(&window_))
        end();
    if (!ending_) {
        QMetaObject::invokeMethod(&window_, [this] { askToClose(); }, Qt::QueuedConnection);
        return false;
    }
    return running_ == 0;
}

void WindowLifetime::end()
{
    ending_ = true;
    if (running_ > 0)
        stop_();
}

}  // namespace runtime
