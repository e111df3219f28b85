#include "generated/nabrel_facts.h"
#include "household/design_color.h"
#include "screens/design_units.h"
#include "screens/font_substitution.h"
#include "screens/frmGameOver.h"
#include "screens/frmMain.h"
#include "tests/household/household_fakes.h"
#include "tests/screens/choice_dialog_driver.h"
#include "tests/screens/fixed_motion_preference.h"
#include "tests/screens/main_window_controls.h"
#include "tests/screens/scripted_message_boxes.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

using household::testing::ScriptedRandom;
using household::testing::kLargestDraw;

namespace {

// The colour really painted in the window's corner, where no control lies.
QColor background(frmGameOver& screen)
{
    return screen.grab(QRect(1, 1, 1, 1)).toImage().pixelColor(0, 0);
}

// One tick of the screen's timer, delivered now rather than in 20 ms.
void tick(frmGameOver& screen)
{
    QTimerEvent tick(screen.findChild<QTimer*>("tmrTimer1")->timerId());
    QCoreApplication::sendEvent(screen.findChild<QTimer*>("tmrTimer1"), &tick);
}

}  // namespace

class GameOverTest : public QObject {
    Q_OBJECT

    ScriptedRandom random;  // outlives every screen that draws from it
    FixedMotionPreference motion;

private slots:
    void initTestCase() { screens::installFontSubstitutions(); }
    void init()
    {
        random = ScriptedRandom{};
        motion = FixedMotionPreference{};
    }
    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<frmGameOver*>(window))
                delete window;
    }

    void colourOfADraw_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<quint32>("value");
        QTest::newRow("zero") << 0.0f << quint32{0};
        QTest::newRow("half") << 0.5f << quint32{0x800000};
        QTest::newRow("largest below one") << kLargestDraw << quint32{0xFFFFFF};
        QTest::newRow("tie down to even") << 0x1p-25f << quint32{0};            // 0.5
        QTest::newRow("tie up to even") << 3 * 0x1p-25f << quint32{2};          // 1.5
        QTest::newRow("below a tie") << 0x1.fffffep-26f << quint32{0};          // 0.4999...
        QTest::newRow("tiny") << 1e-10f << quint32{0};
    }

    void colourOfADraw()
    {
        QFETCH(float, r);
        QFETCH(quint32, value);
        QCOMPARE(household::colorValueOf(r), value);
        QVERIFY(household::colorValueOf(r) < 16777216u);
    }

    void design()
    {
        random.afterScript = 0.5f;
        auto* screen = new frmGameOver(random, motion);
        QCOMPARE(random.seeds, 1);
        QVERIFY(screen->findChild<QTimer*>("tmrTimer1")->isActive());
        QCOMPARE(screen->findChild<QTimer*>("tmrTimer1")->interval(), 20);
        QCOMPARE(screen->windowTitle(), QString::fromUtf8(nabrel::kTitle));
        QCOMPARE(screen->size(), QSize(402, 213));
        QCOMPARE(screen->minimumSize(), screen->maximumSize());
        QVERIFY(!(screen->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QCOMPARE(background(*screen), QApplication::palette(screen).color(QPalette::Window));
        screen->show();  // labels fit their text once on screen
        QVERIFY(QTest::qWaitForWindowExposed(screen));

        struct Control { const char* name; QRect geometry; const char* text; const char* family; qreal size; bool bold; };
        for (const Control& c : {Control{"lblTitle", {40, 8, 337, 49}, "", "ＭＳ Ｐ明朝", 36, true},
                                 Control{"lblGameOver", {120, 72, 161, 25}, "GAME OVER", "ＭＳ Ｐゴシック", 20.25, true},
                                 Control{"lblTryAgain", {160, 120, 81, 25}, "Try Again!", "ＭＳ Ｐゴシック", 14.25, false}}) {
            auto* label = screen->findChild<QLabel*>(c.name);
            QVERIFY2(label, c.name);
            label->ensurePolished();
            // A label too narrow for its text grows to the right only.
            QCOMPARE(label->geometry().adjusted(0, 0, c.geometry.width() - label->width(), 0), c.geometry);
            QCOMPARE(label->width(), std::max(c.geometry.width(), label->fontMetrics().horizontalAdvance(c.text)));
            QCOMPARE(label->text(), QString(c.text));
            QCOMPARE(label->font().family(), QString(c.family));
            QCOMPARE(label->font().pointSizeF(), c.size);
            QCOMPARE(label->font().bold(), c.bold);
            QVERIFY2(!label->autoFillBackground(), "transparent");
        }
        QCOMPARE(screen->lblTitle()->palette().color(QPalette::WindowText), screens::colorFromDesignValue(255));
        QVERIFY(screen->lblTitle()->alignment() & Qt::AlignHCenter);
        QCOMPARE(screen->findChild<QPushButton*>("cmdOKButton")->geometry(), QRect(160, 168, 81, 25));
        QCOMPARE(screen->findChild<QPushButton*>("cmdOKButton")->text(), QString("OK"));
        delete screen;
    }

    void flashesUntilOk_data()
    {
        QTest::addColumn<bool>("throughTheFrame");
        QTest::newRow("OK") << false;
        QTest::newRow("frame close") << true;
    }

    void flashesUntilOk()
    {
        QFETCH(bool, throughTheFrame);
        random.draws = {0.0f, 0.5f, kLargestDraw};
        random.afterScript = 0x1p-24f * 0x123456;
        QPointer<frmGameOver> screen = new frmGameOver(random, motion);
        screen->show();

        tick(*screen);
        QCOMPARE(background(*screen), QColor(0, 0, 0));
        tick(*screen);
        QCOMPARE(background(*screen), QColor(0, 0, 0x80));
        tick(*screen);
        QCOMPARE(background(*screen), QColor(0xFF, 0xFF, 0xFF));
        tick(*screen);
        QCOMPARE(background(*screen), QColor(0x56, 0x34, 0x12));
        QTRY_VERIFY2(random.taken >= 10, "the timer itself keeps drawing");
        const int interval = screen->findChild<QTimer*>("tmrTimer1")->interval();

        if (throughTheFrame)
            screen->close();
        else
            QTest::mouseClick(screen->findChild<QPushButton*>("cmdOKButton"), Qt::LeftButton);
        QVERIFY(!screen || !screen->findChild<QTimer*>("tmrTimer1")->isActive());
        // Five of its intervals, counted by a timer of the same interval, bring no draw.
        const int takenAtClose = random.taken;
        QTimer probe;
        int probeTicks = 0;
        connect(&probe, &QTimer::timeout, [&probeTicks] { ++probeTicks; });
        probe.start(interval);
        QTRY_VERIFY(probeTicks >= 5);
        QCOMPARE(random.taken, takenAtClose);
        flushDeletes();
        QVERIFY(!screen);
    }

    // The labels cache their rendered text; a new result must still show.
    // For a player who asked for less motion: one change a second, each from
    // one draw; the preference is asked anew at every load.
    void calmWhenAskedForLessMotion()
    {
        motion.reduce = true;
        random.draws = {0.25f};
        auto* screen = new frmGameOver(random, motion);
        QCOMPARE(motion.asked, 1);
        QCOMPARE(screen->findChild<QTimer*>("tmrTimer1")->interval(), 1000);
        tick(*screen);
        QCOMPARE(random.taken, 1);
        QCOMPARE(background(*screen), screens::colorFromDesignValue(household::colorValueOf(0.25f)));
        motion.reduce = false;
        delete screen;
        new frmGameOver(random, motion);
        QCOMPARE(motion.asked, 2);
    }

    void aReplacedTitleIsRepainted()
    {
        random.afterScript = 0.0f;
        QPointer<frmGameOver> screen = new frmGameOver(random, motion);
        screen->lblTitle()->setText("娘凍死!!");
        screen->show();
        const QImage first = screen->lblTitle()->grab().toImage();
        screen->lblTitle()->setText("母親逮捕!!");
        const QImage second = screen->lblTitle()->grab().toImage();
        QVERIFY(first != second);
        screen->lblTitle()->setText("娘凍死!!");
        QCOMPARE(screen->lblTitle()->grab().toImage(), first);
    }

    void enterPressesOk()
    {
        random.afterScript = 0.0f;
        QPointer<frmGameOver> screen = new frmGameOver(random, motion);
        screen->show();
        QCOMPARE(screen->focusWidget(), screen->findChild<QPushButton*>("cmdOKButton"));
        QTest::keyClick(screen->findChild<QPushButton*>("cmdOKButton"), Qt::Key_Return);
        flushDeletes();
        QVERIFY(!screen);
    }

    // Through the main window: each ending loads the screen once; a second
    // game over while it is open only replaces the text.
    void endingsThroughTheMainWindow()
    {
        ScriptedMessageBoxes boxes;
        QPointer<frmMain> window = new frmMain({random, boxes, motion});
        window->show();
        // Plays whole days with one action and the same answers each day, to the end. Every draw
        // is the largest (an open game-over screen draws too, so a script of draws would not hold).
        random.afterScript = kLargestDraw;
        auto endGameWith = [&](int action, QList<int> answers, const char* text) {
            window->findChild<QAction*>("mnuStart")->trigger();
            for (int day = 0; day < 20 && gamePlaying(*window); ++day) {
                actionButton(*window, action)->click();
                for (int answer : answers)
                    QVERIFY(answerChoiceDialog(answer));
            }
            frmGameOver* screen = visibleWindows<frmGameOver>().value(0);
            QVERIFY(screen && screen->isVisible());
            QCOMPARE(screen->lblTitle()->text(), QString(text));
            QCOMPARE(screen->findChild<QLabel*>("lblGameOver")->text(), QString("GAME OVER"));
            QCOMPARE(screen->findChild<QLabel*>("lblTryAgain")->text(), QString("Try Again!"));
        };
        endGameWith(0, {1}, "母親餓死!!");  // -31 a day for the mother
        QPointer<frmGameOver> first = visibleWindows<frmGameOver>().value(0);
        const int seedsAfterFirst = random.seeds;  // Start, then the screen's load
        // Once a frame is out (it repaints as it flashes) and the event loop has run on,
        // the screen has asked for the keyboard.
        struct PaintCount final : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override { return (paints += event->type() == QEvent::Paint), false; }
        } painted;
        first->installEventFilter(&painted);
        QTRY_VERIFY(painted.paints > 0);
        bool ranOn = false;
        QTimer::singleShot(0, [&ranOn] { ranOn = true; });
        QTRY_VERIFY(ranOn);
        QVERIFY(QTest::qWaitForWindowActive(first, kActivationTimeoutMs));
        // A desktop that hands the keyboard back to the game while the screen settles:
        // the game has it for a moment, then the screen again.
        QSignalSpy focus(qGuiApp, &QGuiApplication::focusWindowChanged);
        window->activateWindow();
        QTRY_VERIFY(std::any_of(focus.cbegin(), focus.cend(),
                                [&](const QList<QVariant>& args) { return args[0].value<QWindow*>() == window->windowHandle(); }));
        QVERIFY2(QTest::qWaitForWindowActive(first, kActivationTimeoutMs), "the screen takes the keyboard back");
        // The player goes back to the game until the screen, settled, stays behind it.
        const auto backToTheGame = [&] {
            window->activateWindow();
            return QTest::qWaitForWindowActive(window, 200) && (QTest::qWait(300), window->isActiveWindow());
        };
        QTRY_VERIFY_WITH_TIMEOUT(backToTheGame(), kActivationTimeoutMs);
        endGameWith(2, {2, 1}, "娘凍死!!");  // soy sauce for the mother only
        QCOMPARE(visibleWindows<frmGameOver>().value(0), first.data());
        QVERIFY2(QTest::qWaitForWindowActive(first, kActivationTimeoutMs), "shown again, the screen comes to the front");
        QCOMPARE(random.seeds, seedsAfterFirst + 1);  // only the new game's Start
        QVERIFY(first->findChild<QTimer*>("tmrTimer1")->isActive());

        first->findChild<QPushButton*>("cmdOKButton")->click();
        flushDeletes();
        QVERIFY(!first);
        endGameWith(0, {2}, "母親逮捕!!");
        QVERIFY(visibleWindows<frmGameOver>().value(0) != nullptr);
        QCOMPARE(random.seeds, seedsAfterFirst + 3);  // Start and a fresh load

        QVERIFY(quitAndAwaitDestruction(window, boxes));
    }
};

QTEST_MAIN(GameOverTest)
#include "game_over_test.moc"
