#include "desktop/desktop_motion_preference.h"
#include "desktop/motion_sources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

namespace {

// An XSETTINGS property in the given byte order: a string setting, then one integer.
QByteArray xsettings(bool bigEndian, const QByteArray& name, qint32 value)
{
    QByteArray bytes(1, bigEndian ? 1 : 0);
    bytes.append(3, '\0');
    const auto card = [&bytes, bigEndian](quint32 v, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(char(v >> (8 * (bigEndian ? size - 1 - i : i))));
    };
    const auto padded = [&bytes](const QByteArray& text) {
        bytes.append(text);
        bytes.append((4 - text.size() % 4) % 4, '\0');
    };
    card(7, 4);  // serial
    card(2, 4);  // settings
    bytes.append(char(1)).append('\0');  // a string
    card(13, 2);
    padded("Net/ThemeName");
    card(0, 4);
    card(7, 4);
    padded("Adwaita");
    bytes.append(char(0)).append('\0');  // the integer
    card(quint32(name.size()), 2);
    padded(name);
    card(0, 4);
    card(quint32(value), 4);
    return bytes;
}

}  // namespace

class MotionPreferenceTest : public QObject {
    Q_OBJECT

private slots:
    // Each desktop source of "less motion", read from the bytes it really has:
    // true asks for less motion, false welcomes it, nothing says nothing.
    void motionSources_data()
    {
        using desktop::motion::fromKdeGlobals;
        using desktop::motion::fromPortalValue;
        using desktop::motion::fromXSettings;
        QTest::addColumn<int>("answer");  // -1: nothing
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, std::optional<bool> answer, int expected) {
            QTest::newRow(name) << (answer ? int(*answer) : -1) << expected;
        };
        row("portal reduced-motion 1", fromPortalValue("reduced-motion", QVariant(1u)), 1);
        row("portal reduced-motion 0", fromPortalValue("reduced-motion", QVariant(0u)), 0);
        row("portal enable-animations false", fromPortalValue("enable-animations", QVariant(false)), 1);
        row("portal enable-animations true", fromPortalValue("enable-animations", QVariant(true)), 0);
        row("portal, another key", fromPortalValue("color-scheme", QVariant(1u)), -1);
        for (const bool big : {false, true}) {
            const QByteArray order = big ? "big-endian " : "little-endian ";
            row(order + "XSETTINGS animations 0", fromXSettings(xsettings(big, "Gtk/EnableAnimations", 0)), 1);
            row(order + "XSETTINGS animations 1", fromXSettings(xsettings(big, "Gtk/EnableAnimations", 1)), 0);
            row(order + "XSETTINGS without it", fromXSettings(xsettings(big, "Gtk/CursorBlink", 0)), -1);
        }
        row("XSETTINGS cut short", fromXSettings(xsettings(false, "Gtk/EnableAnimations", 0).left(40)), -1);
        row("kdeglobals factor 0", fromKdeGlobals("[General]\nAnimationDurationFactor=1\n[KDE]\nAnimationDurationFactor=0\n"), 1);
        row("kdeglobals locked factor 0", fromKdeGlobals("[KDE]\nAnimationDurationFactor[$i]=0\n"), 1);
        row("kdeglobals factor 0.5", fromKdeGlobals("[KDE]\nAnimationDurationFactor=0.5\n"), 0);
        row("kdeglobals in another group", fromKdeGlobals("[General]\nAnimationDurationFactor=0\n"), -1);
        row("--reduce-motion", desktop::motion::fromArguments({"--reduce-motion"}), 1);
        row("--reduce-motion=off", desktop::motion::fromArguments({"--reduce-motion=off"}), 0);
        row("the last option counts", desktop::motion::fromArguments({"--reduce-motion=off", "--reduce-motion"}), 1);
        row("no option", desktop::motion::fromArguments({"-platform", "xcb"}), -1);
    }

    void motionSources()
    {
        QFETCH(int, answer);
        QFETCH(int, expected);
        QCOMPARE(answer, expected);
    }

    // kdeglobals is read only as a regular file of at most 1 MiB, and only
    // from absolute folders: each row's file would ask for less motion.
    void kdeGlobalsReadSafely_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("expected");  // -1: nothing
        QTest::newRow("a regular file") << "file" << 1;
        QTest::newRow("a FIFO: no wait for a writer") << "fifo" << -1;
        QTest::newRow("a link to /dev/zero") << "zero" << -1;
        QTest::newRow("over 1 MiB") << "large" << -1;
        QTest::newRow("a relative XDG_CONFIG_HOME") << "XDG_CONFIG_HOME" << -1;
        QTest::newRow("a relative XDG_CONFIG_DIRS") << "XDG_CONFIG_DIRS" << -1;
    }

    void kdeGlobalsReadSafely()
    {
        QFETCH(QString, kind);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()) && QDir().mkpath("relative") && QDir().mkpath("user"));
        qputenv("HOME", dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("user").toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath("system").toUtf8());
        const QByteArray calm = "[KDE]\nAnimationDurationFactor=0\n";
        QFile file(kind.startsWith("XDG") ? "relative/kdeglobals" : "user/kdeglobals");
        if (kind == "fifo")
            QCOMPARE(mkfifo("user/kdeglobals", 0600), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", file.fileName()));
        else
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(kind == "large" ? calm + QByteArray(1 << 20, '\n') : calm) > 0);
        file.close();
        if (kind.startsWith("XDG"))  // beside an absolute one: nothing falls back to /etc/xdg
            qputenv(kind.toLatin1(), kind.endsWith("DIRS") ? "relative:" + dir.filePath("system").toUtf8() : "relative");
        const std::optional<bool> reduce = desktop::motion::readKdeGlobals();
        QCOMPARE(reduce ? int(*reduce) : -1, expected);
    }

    // The command line overrides whatever the desktop says.
    void commandLineOverridesTheDesktop()
    {
        QVERIFY(desktop::DesktopMotionPreference(true).reduceMotion());
        QVERIFY(!desktop::DesktopMotionPreference(false).reduceMotion());
    }
};

QTEST_MAIN(MotionPreferenceTest)
#include "motion_preference_test.moc"
