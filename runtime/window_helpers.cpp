#include "window_helpers.h"

#include "nabrel_facts.h"
#include "rounding.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace runtime {

QString appTitle()
{
    return QString::fromUtf8(nabrel::kTitle);
}

namespace {

// A desktop may hand the focus back to the window that had it after the new
// one has opened: within this time of its first frame that counts as the desktop's.
constexpr int kSettleMs = 1000;

// Asks for the window's activation once it has painted its first frame (a
// compositor ignores a request for a window it has not mapped yet). With an
// anchor, takes the focus back from it until the window has settled. Gone
// (its object name is kActivationPending) once it has.
class ActivateOnFirstPaint final : public QObject {
public:
    ActivateOnFirstPaint(QWidget& window, const QWidget* anchor) : QObject(&window), window_(window), anchor_(anchor)
    {
        setObjectName(QLatin1String(kActivationPending));
        window.installEventFilter(this);
        if (anchor)
            connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivateOnFirstPaint::onFocusChanged);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        window_.removeEventFilter(this);
        // From the event loop, once the frame has gone out.
        QMetaObject::invokeMethod(
            this,
            [this] {
                window_.activateWindow();
                QTimer::singleShot(anchor_ ? kSettleMs : 0, this, &QObject::deleteLater);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    void onFocusChanged(QWindow* focused)
    {
        if (anchor_ && focused && focused == anchor_->window()->windowHandle() && window_.isVisible())
            window_.activateWindow();
    }

    QWidget& window_;
    QPointer<const QWidget> anchor_;  // may go first
};

}  // namespace

void keepFocusWhileOpen(QWidget& window, const QWidget* anchor)
{
    QPointer<QWidget> open(&window);
    const auto activate = [open] {
        if (open && open->isVisible())
            open->activateWindow();
    };
    const QWidget* owner = window.parentWidget();
    if (window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed())
        activate();  // shown again
    else
        new ActivateOnFirstPaint(window, owner ? nullptr : anchor);
    if (!owner)
        return;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &window, [owner, activate](QWindow* focused) {
        if (focused && focused == owner->window()->windowHandle())
            activate();
    });
}

QColor colorFromDesignValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t colorValueOf(float r)
{
    // r < 1 in single precision, so the product is at most 2^24 - 1.
    return static_cast<std::uint32_t>(household::roundHalfEven(static_cast<double>(r) * 16777216.0));
}

}  // namespace runtime
