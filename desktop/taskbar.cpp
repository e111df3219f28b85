#include "desktop/taskbar.h"

#include <QWidget>
#include <QWindow>

namespace desktop {

void keepOffTaskbar([[maybe_unused]] QWidget* window)
{
#ifdef Q_OS_WIN
    static QWindow* const hiddenOwner = [] {
        auto* owner = new QWindow;
        owner->create();
        return owner;
    }();
    window->winId();
    window->windowHandle()->setTransientParent(hiddenOwner);
#endif
}

}  // namespace desktop
