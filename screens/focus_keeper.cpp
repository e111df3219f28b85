#include "screens/focus_keeper.h"

#include "desktop/minimised_windows.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace screens {

namespace {

// A desktop may hand the focus back to the window that had it after the new
// one has opened: within this time of its first frame that counts as the desktop's.
constexpr int kSettleMs = 1000;

// Asks for the window's activation once it has painted its first frame (a
// compositor ignores a request for a window it has not mapped yet), and takes
// the focus back whenever rival takes it: a modal window for as long as it
// lives (its rival cannot take keys meanwhile), any other window only until a
// second after that frame, when this goes.
class FocusKeeper final : public QObject {
public:
    FocusKeeper(QWidget& window, const QWidget* rival) : QObject(&window), window_(window), rival_(rival)
    {
        window.installEventFilter(this);
        if (rival)
            connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &FocusKeeper::onFocusChanged);
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
                if (!rival_)
                    deleteLater();
                else if (window_.windowModality() == Qt::NonModal)
                    QTimer::singleShot(kSettleMs, this, &QObject::deleteLater);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    void onFocusChanged(QWindow* focused)
    {
        // A window that a box blocks leaves the keyboard to the box: the two
        // taking it back in turn would pass it to and fro for ever.
        const QWidget* modal = QApplication::activeModalWidget();
        if (rival_ && focused && focused == rival_->window()->windowHandle() && window_.isVisible() &&
            (!modal || modal == &window_))
            desktop::bringBack(window_);  // also from minimised
    }

    QWidget& window_;
    QPointer<const QWidget> rival_;  // may go first
};

}  // namespace

void keepFocusWhileOpen(QWidget& window, const QWidget* anchor)
{
    const QWidget* owner = window.parentWidget();
    const bool onScreen = window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
    if (onScreen)
        window.activateWindow();  // shown again, or mapped at once
    if (!onScreen || owner)
        new FocusKeeper(window, owner ? owner : anchor);
}

}  // namespace screens
