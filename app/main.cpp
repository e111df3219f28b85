#include "desktop/desktop_motion_preference.h"
#include "desktop/lost_window_watcher.h"
#include "desktop/motion_sources.h"
#include "desktop/program_lifetime.h"
#include "desktop/startup_resources.h"
#include "desktop/teardown_deadline.h"
#include "generated/nabrel_facts.h"
#include "household/mersenne_random.h"
#include "screens/font_substitution.h"
#include "screens/frmOpening.h"
#include "screens/game_services.h"
#include "screens/qt_message_boxes.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

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

// The window icon from the copies built into the program, decoded by Qt's own
// PNG reader alone: no image-format plugin is loaded and no icon theme read.
// The desktop entry names the installed icon.
QIcon builtInIcon()
{
    QIcon icon;
    for (const int size : {48, 256}) {
        QImageReader reader(QStringLiteral(":/icons/nabrel-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);  // asks no plugin whether it reads PNG
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Decoding the icon is the largest piece of start-up work the first window can
// do without, so on Linux it follows once that window is on its way to the
// screen. On Windows it comes first: under Wine an icon set after the first
// window never reaches any window's frame.
#ifdef Q_OS_WIN
constexpr bool kIconAfterFirstWindow = false;
#else
constexpr bool kIconAfterFirstWindow = true;
#endif

// An unknown option: the usage and exit status 2. Says so on standard error
// and returns false, or where a GUI program has no console (Windows) opens a
// box that ends the program once closed and returns true.
bool refuseOption(const QString& argument)
{
    const QString text = QStringLiteral("nabrel: unknown option %1\n\n").arg(argument) + QLatin1String(kUsage);
#ifdef Q_OS_WIN
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("nabrel"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, [] { QCoreApplication::exit(2); });
    box->open();
    return true;
#else
    std::fputs(qPrintable(text), stderr);
    return false;
#endif
}

// What the program is made of: one random sequence, the real message boxes
// and the player's motion preference, shared by every window.
struct Services {
    explicit Services(const QStringList& arguments) : motion(desktop::motion::fromArguments(arguments)) {}

    household::MersenneRandom random;
    screens::QtMessageBoxes boxes;
    desktop::DesktopMotionPreference motion;
};

}  // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("nabrel %s\n", nabrel::kVersion);
            return 0;
        }
    }
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("nabrel: no display found (DISPLAY is not set); start it from a desktop session,"
                   " or under xvfb-run to try it headless\n",
                   stderr);
        return 1;
    }
#endif
    if (!desktop::ensureStartupResources())
        return 1;
    desktop::TeardownDeadline teardown;  // outlives the QApplication
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nabrel"));
    QApplication::setApplicationVersion(QString::fromUtf8(nabrel::kVersion));
    QApplication::setDesktopFileName(QString::fromUtf8(nabrel::kAppId));
    if (!kIconAfterFirstWindow)
        QApplication::setWindowIcon(builtInIcon());
    screens::installFontSubstitutions();
    // A window destroyed by another program is closed as if through its frame,
    // and the program ends once no window is left, on every platform.
    desktop::watchForLostWindows();
    desktop::quitWhenNoWindowIsLeft(app);

    const QStringList arguments = QCoreApplication::arguments().mid(1);  // without Qt's own options
    std::optional<Services> services;
    const auto isOption = [](const QString& argument) { return desktop::motion::fromArgument(argument).has_value(); };
    if (const auto unknown = std::find_if_not(arguments.cbegin(), arguments.cend(), isOption);
        unknown != arguments.cend()) {
        if (!refuseOption(*unknown))
            return 2;
    } else {
        services.emplace(arguments);
        auto* opening = new frmOpening(GameServices{services->random, services->boxes, services->motion});
        opening->show();
        if (kIconAfterFirstWindow)
            QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(builtInIcon()); });
    }
    const int code = app.exec();
    teardown.arm(code);
    // Windows closed on the way out are destroyed here rather than leaked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
