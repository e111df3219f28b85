#include "desktop/taskbar.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if NABREL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#endif

namespace desktop {

#if NABREL_HAVE_XCB
namespace {

// Asks the window manager, before the window maps, to leave it out of the
// taskbar and the pager; Qt merges its own states into these when it shows it.
// The three atoms are asked for together: one round trip to the X server.
void skipTaskbarOnX11(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const std::array<const char*, 3> names = {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
    std::array<xcb_intern_atom_cookie_t, 3> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, 3> atoms{};
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), atoms[0],
                        XCB_ATOM_ATOM, 32, 2, &atoms[1]);
}

}  // namespace
#endif

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
#elif NABREL_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        skipTaskbarOnX11(window);
#endif
}

}  // namespace desktop
