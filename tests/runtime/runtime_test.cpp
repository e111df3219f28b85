#include "mersenne_random.h"
#include "motion_preference.h"
#include "motion_sources.h"
#include "nabrel_facts.h"
#include "qt_message_boxes.h"
#include "window_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <array>
#include <chrono>
#include <optional>
#include <thread>

using runtime::MersenneRandom;

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

class RuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void drawsStayBelowOneAndCoverTheRangeEvenly()
    {
        MersenneRandom random;
        random.seed(12345);
        constexpr int kDraws = 1'000'000;
        std::array<int, 16> bins{};
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.next();
            QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r, 'g', 9)));
            QCOMPARE(r * 0x1p24f, std::floor(r * 0x1p24f));  // a multiple of 2^-24
            ++bins[static_cast<int>(r * 16)];
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        for (int count : bins)
            QVERIFY2(std::abs(count - kDraws / 16) < kDraws / 16 / 50, qPrintable(QString::number(count)));
        QVERIFY(lowest < 1e-4f);
        QVERIFY(highest > 1.0f - 1e-4f);
    }

    void sameSeedSameSequence()
    {
        MersenneRandom a, b;
        a.seed(42);
        b.seed(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.next(), b.next());
    }

    void clockSeedsAMillisecondApartDiffer()
    {
        MersenneRandom a, b;
        a.seedFromClock();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        b.seedFromClock();
        bool differ = false;
        for (int i = 0; i < 4 && !differ; ++i)
            differ = a.next() != b.next();
        QVERIFY(differ);
    }

    void realMessageBoxes_data()
    {
        using runtime::MessageBoxAnswer;
        using runtime::MessageBoxButtons;
        QTest::addColumn<MessageBoxButtons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<MessageBoxAnswer>("answer");
        QTest::newRow("End, Enter") << MessageBoxButtons::YesNo << int(Qt::Key_Return) << MessageBoxAnswer::Yes;
        QTest::newRow("End, Esc") << MessageBoxButtons::YesNo << int(Qt::Key_Escape) << MessageBoxAnswer::No;
        QTest::newRow("End, Y") << MessageBoxButtons::YesNo << int(Qt::Key_Y) << MessageBoxAnswer::Yes;
        QTest::newRow("End, N") << MessageBoxButtons::YesNo << int(Qt::Key_N) << MessageBoxAnswer::No;
        QTest::newRow("warning, Enter") << MessageBoxButtons::Ok << int(Qt::Key_Return) << MessageBoxAnswer::Ok;
        QTest::newRow("warning, Esc") << MessageBoxButtons::Ok << int(Qt::Key_Escape) << MessageBoxAnswer::Ok;
        QTest::newRow("End, closed from outside") << MessageBoxButtons::YesNo << 0 << MessageBoxAnswer::No;
    }

    // The real box, as a player sees it: warning icon, the title as caption,
    // a Japanese desktop's button words, wide enough for its caption.
    void realMessageBoxes()
    {
        QFETCH(runtime::MessageBoxButtons, buttons);
        QFETCH(int, key);
        QFETCH(runtime::MessageBoxAnswer, answer);
        QWidget owner;
        owner.show();
        std::optional<runtime::MessageBoxAnswer> answered;
        runtime::QtMessageBoxes().open("終了しますか？", buttons, &owner,
                                       [&answered](runtime::MessageBoxAnswer a) { answered = a; });
        QPointer<QMessageBox> box = owner.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        const QMessageBox::Icon icon = box->icon();
        const QString caption = box->windowTitle();
        QStringList texts;
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        const int width = box->width();
        auto* focusedButton = qobject_cast<QAbstractButton*>(box->focusWidget());
        const QString focused = focusedButton ? focusedButton->text() : QString();
        QVERIFY(!answered);
        QVERIFY(QTest::qWaitForWindowActive(box, 30000));  // its keys reach it once active
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            box->close();
        QTRY_COMPARE(answered, std::optional<runtime::MessageBoxAnswer>(answer));  // Y and N click animated
        QTRY_VERIFY2(!box, "a box is destroyed once answered");
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(caption, QString::fromUtf8(nabrel::kTitle));
        texts.sort();
        const QStringList expected =
            buttons == runtime::MessageBoxButtons::Ok ? QStringList{"OK"} : QStringList{"いいえ(&N)", "はい(&Y)"};
        QCOMPARE(texts, expected);
        // Enter quits whatever order the desktop's theme gives the buttons.
        if (buttons == runtime::MessageBoxButtons::YesNo)
            QCOMPARE(focused, QString("はい(&Y)"));
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        QVERIFY2(width >= QFontMetrics(titleFont).horizontalAdvance(caption) + 3 * QFontMetrics(titleFont).height(),
                 qPrintable(QString::number(width)));
    }

    // Each desktop source of "less motion", read from the bytes it really has:
    // true asks for less motion, false welcomes it, nothing says nothing.
    void motionSources_data()
    {
        using runtime::motion::fromKdeGlobals;
        using runtime::motion::fromPortalValue;
        using runtime::motion::fromXSettings;
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
        row("--reduce-motion", runtime::motion::fromArguments({"--reduce-motion"}), 1);
        row("--reduce-motion=off", runtime::motion::fromArguments({"--reduce-motion=off"}), 0);
        row("the last option counts", runtime::motion::fromArguments({"--reduce-motion=off", "--reduce-motion"}), 1);
        row("no option", runtime::motion::fromArguments({"-platform", "xcb"}), -1);
    }

    void motionSources()
    {
        QFETCH(int, answer);
        QFETCH(int, expected);
        QCOMPARE(answer, expected);
    }

    // The command line overrides whatever the desktop says.
    void commandLineOverridesTheDesktop()
    {
        QVERIFY(runtime::DesktopMotionPreference(true).reduceMotion());
        QVERIFY(!runtime::DesktopMotionPreference(false).reduceMotion());
    }

    void colorsHaveRedInTheLowByte_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << quint32{255} << QColor(255, 0, 0);
        QTest::newRow("green") << quint32{0x00FF00} << QColor(0, 255, 0);
        QTest::newRow("blue") << quint32{0xFF0000} << QColor(0, 0, 255);
        QTest::newRow("mixed") << quint32{0x123456} << QColor(0x56, 0x34, 0x12);
    }

    void colorsHaveRedInTheLowByte()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, color);
        QCOMPARE(runtime::colorFromDesignValue(value), color);
    }

    void titleUsesTheFullWidthTilde()
    {
        QCOMPARE(runtime::appTitle().size(), 16);
        QCOMPARE(runtime::appTitle().at(0).unicode(), char16_t{0xFF5E});
        QCOMPARE(runtime::appTitle().at(7).unicode(), char16_t{0xFF5E});
    }
};

QTEST_MAIN(RuntimeTest)
#include "runtime_test.moc"
