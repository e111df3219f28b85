#include "desktop/lost_window_watcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

#if NABREL_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace desktop {

namespace {

constexpr const char* kLostProperty = "nabrelWindowLost";

#if NABREL_HAVE_XCB
class XcbDestroyWatcher final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        // Qt destroys its own windows only after hiding or deleting them, so a
        // visible one reported destroyed was destroyed by someone else.
        QWidget* window = QWidget::find(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
        if (!window || !window->isWindow() || !window->isVisible())
            return false;
        window->setProperty(kLostProperty, true);
        // Closed from the event loop, not from inside the platform's event dispatch.
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        return false;
    }
};
#endif

}  // namespace

void watchForLostWindows()
{
#if NABREL_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    static XcbDestroyWatcher watcher;
    QCoreApplication::instance()->installNativeEventFilter(&watcher);
#endif
}

bool windowLost(const QWidget* window)
{
    return window->property(kLostProperty).toBool();
}

}  // namespace desktop
