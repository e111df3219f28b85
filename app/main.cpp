#include "font_substitution.h"
#include "frmOpening.h"
#include "game_services.h"
#include "lost_window_watcher.h"
#include "mersenne_random.h"
#include "motion_preference.h"
#include "motion_sources.h"
#include "qt_message_boxes.h"
#include "startup_resources.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "Usage: nabrel [--reduce-motion | --reduce-motion=off]\n"
    "\n"
    "  --reduce-motion      the game-over screen changes its colour once a second\n"
    "                       instead of flashing, whatever the desktop says\n"
    "  --reduce-motion=off  the game-over screen flashes as designed, whatever the\n"
    "                       desktop says\n"
    "  --help               this text\n"
    "  --version            the game's version\n"
    "\n"
    "Without either option the game-over screen is calm when the desktop asks for\n"
    "less motion (animation effects off).\n";

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("nabrel " NABREL_VERSION);
            return 0;
        }
        arguments << QString::fromLocal8Bit(argv[i]);
    }
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

    // What the program is made of: one random sequence, the real message
    // boxes and the player's motion preference, shared by every window.
    runtime::MersenneRandom random;
    runtime::QtMessageBoxes boxes;
    runtime::DesktopMotionPreference motion(runtime::motion::fromArguments(arguments));
    auto* opening = new frmOpening(GameServices{random, boxes, motion});
    opening->show();
    const int code = app.exec();
    // Windows closed on the way out are destroyed here rather than leaked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
