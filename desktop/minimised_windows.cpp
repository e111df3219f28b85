#include "desktop/minimised_windows.h"

#include <QEvent>
#include <QWidget>

namespace desktop {

namespace {

class OwnerWatch final : public QObject {
public:
    OwnerWatch(QWidget& window, QWidget& owner) : QObject(&window), window_(window), owner_(owner)
    {
        owner.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &owner_ && event->type() == QEvent::WindowStateChange && !owner_.isMinimized() &&
            window_.isVisible() && window_.isMinimized())
            bringBack(window_);
        return false;
    }

private:
    QWidget& window_;
    QWidget& owner_;  // its events come only while it lives
};

}  // namespace

void bringBack(QWidget& window)
{
    // On X11 leaving the minimised state maps the window again, which a window
    // manager honours as a request to restore it.
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void returnWithOwner(QWidget& window, QWidget& owner)
{
    new OwnerWatch(window, owner);
}

}  // namespace desktop
