#include "desktop/program_lifetime.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace desktop {

namespace {

// Looks, once the event loop is back, whether a window that went was the last one.
class LastWindowWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QMetaObject::invokeMethod(this, &LastWindowWatch::quitIfNoneIsLeft, Qt::QueuedConnection);
        return false;
    }

private:
    static void quitIfNoneIsLeft()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); }))
            QCoreApplication::quit();
    }
};

}  // namespace

void quitWhenNoWindowIsLeft(QApplication& app)
{
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(new LastWindowWatch(&app));
}

}  // namespace desktop
