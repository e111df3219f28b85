#include "taskbar.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace runtime {

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
    QObject::connect(window, &QObject::destroyed, qApp, [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }))
            QCoreApplication::quit();
    });
#endif
}

}  // namespace runtime
