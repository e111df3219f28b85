#include "font_substitution.h"
#include "frmOpening.h"
#include "lost_window_watcher.h"
#include "startup_resources.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("nabrel: no display found (DISPLAY is not set); start it from a desktop session\n", stderr);
        return 1;
    }
#endif
    if (!runtime::ensureStartupResources())
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nabrel"));
    QApplication::setApplicationVersion(QStringLiteral(NABREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(NABREL_APP_ID));
    // The icon the package installs; the built-in copy where there is none.
    QIcon builtIn;
    builtIn.addFile(QStringLiteral(":/icons/nabrel-48.png"));
    builtIn.addFile(QStringLiteral(":/icons/nabrel-256.png"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("nabrel"), builtIn));
    runtime::installFontSubstitutions();
    runtime::watchForLostWindows();

    auto* opening = new frmOpening;
    opening->show();
    const int code = app.exec();
    // Windows closed on the way out are destroyed here rather than leaked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
