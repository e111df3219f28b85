// Sends a long stream of random user events to the real windows and checks,
// after every one, that nothing broke. The seed decides every event, every
// message-box answer and the game's random sequence; an open game-over screen
// draws from that sequence on a wall-clock timer, so a replay sends the same
// events but may see other draws once a game has ended.
// Usage: monkey_test [SEED] [EVENTS]
#include "screens/font_substitution.h"
#include "screens/frmDialog.h"
#include "screens/frmGameOver.h"
#include "screens/frmMain.h"
#include "screens/frmOpening.h"
#include "screens/message_boxes.h"
#include "tests/screens/fixed_motion_preference.h"
#include "tests/screens/main_window_controls.h"
#include "tests/screens/window_queries.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

// The game's draws come from the seed too; reseeding from the clock is ignored.
class ReplayableRandom final : public household::RandomSource {
public:
    explicit ReplayableRandom(std::uint64_t seed) : engine_(static_cast<std::mt19937::result_type>(seed)) {}
    void seedFromClock() override {}
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

// Answers OK boxes with OK and one Yes/No box in five with Yes, from the
// seed, from the event loop as a player would; a box whose owner went answers nothing.
class ReplayableMessageBoxes final : public screens::MessageBoxes {
public:
    explicit ReplayableMessageBoxes(std::uint32_t seed) : answers_(seed) {}
    void open(const QString&, screens::MessageBoxButtons buttons, QWidget* owner, Answered answered) override
    {
        warnings_ += buttons == screens::MessageBoxButtons::Ok;
        const auto answer = buttons == screens::MessageBoxButtons::Ok ? screens::MessageBoxAnswer::Ok
                            : answers_() % 5 == 0                      ? screens::MessageBoxAnswer::Yes
                                                                       : screens::MessageBoxAnswer::No;
        if (answered)
            QTimer::singleShot(0, owner, [answered, answer] { answered(answer); });
    }

    long warnings() const { return warnings_; }

private:
    std::mt19937 answers_;
    long warnings_ = 0;
};

class Monkey {
public:
    Monkey(std::uint32_t seed, long events)
        : engine_(seed), events_(events), random_(seed), boxes_(seed + 1)
    {
    }

    void start() { scheduleNext(); }
    long failures() const { return failures_; }
    long sent() const { return sent_; }
    // Fails the run when the events reached no choice dialog, no warning or no game-over screen.
    void checkCoverage()
    {
        std::printf("events with a choice dialog open: %ld, with a game-over screen open: %ld, warnings: %ld, "
                    "main windows: %ld\n",
                    withDialog_, withGameOver_, boxes_.warnings(), mainWindows_);
        if (withDialog_ == 0)
            fail("no event reached a choice dialog");
        if (withGameOver_ == 0)
            fail("no event reached a game-over screen");
        if (boxes_.warnings() == 0)
            fail("no event brought a warning");
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    void scheduleNext()
    {
        QTimer::singleShot(0, [this] { tick(); });
    }

    void tick()
    {
        if (sent_ >= events_) {
            finish();
            return;
        }
        ++sent_;
        answered_.store(sent_, std::memory_order_relaxed);
        scheduleNext();
        sendOne();
        checkInvariants();
        countWhatIsOpen();
    }

    QWidget* anyWindow()
    {
        QList<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !qobject_cast<QMenu*>(window))
                windows << window;
        return windows.isEmpty() ? nullptr : windows[pick(int(windows.size()))];
    }

    static QWidget* keyTarget(QWidget* window) { return window->focusWidget() ? window->focusWidget() : window; }

    void sendOne()
    {
        if (visibleWindows<frmMain>().isEmpty() && visibleWindows<frmOpening>().isEmpty())
            (new frmOpening({random_, boxes_, motion_}))->show();

        if (QMenu* menu = visibleWindows<QMenu>().value(0)) {  // a menu is open: pick from it or leave it
            const Qt::Key keys[] = {Qt::Key_S, Qt::Key_X, Qt::Key_Escape, Qt::Key_Down, Qt::Key_Return};
            QTest::keyClick(menu, keys[pick(5)]);
            return;
        }
        QWidget* window = anyWindow();
        if (!window)
            return;
        switch (pick(10)) {
        case 0:
        case 1: {
            const char typed[] = {'1', '2', '3', '1', 'a'};
            QTest::keyClick(keyTarget(window), typed[pick(5)]);
            break;
        }
        case 2: {
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space};
            QTest::keyClick(keyTarget(window), keys[pick(4)]);
            break;
        }
        case 3:
            if (auto* main = visibleWindows<frmMain>().value(0))
                QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
            break;
        case 4:
        case 5:
        case 6: {
            const auto buttons = window->findChildren<QPushButton*>();
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[pick(int(buttons.size()))], Qt::LeftButton);
            break;
        }
        case 7:
            if (auto* main = visibleWindows<frmMain>().value(0))
                main->findChild<QAction*>("mnuStart")->trigger();
            break;
        case 8:
            if (pick(20) == 0)
                window->close();
            break;
        default:
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(pick(window->width()), pick(window->height())));
            break;
        }
    }

    void fail(const char* what)
    {
        ++failures_;
        std::fprintf(stderr, "FAIL after event %ld: %s\n", sent_, what);
    }

    void checkInvariants()
    {
        for (frmMain* main : visibleWindows<frmMain>()) {
            // What the status shows of the household.
            const QStringList shown = statusTexts(*main);  // day, cup noodles, soy sauce, money, ...
            if (shown[3].toInt() < -1)
                fail("Money below -1");
            const int shoyu = shown[2].toInt();
            if (shoyu < 0 || shoyu % 100 != 0)
                fail("Shoyu not a non-negative multiple of 100");
            if (shown[1].toInt() < 0)
                fail("CupMen below 0");
        }
        if (visibleWindows<frmDialog>().size() > 1)
            fail("more than one choice dialog open");
        if (visibleWindows<frmMain>().size() > 1)
            fail("more than one main window open");
    }

    // Proof that the stream reached the places that matter.
    void countWhatIsOpen()
    {
        withDialog_ += !visibleWindows<frmDialog>().isEmpty();
        withGameOver_ += !visibleWindows<frmGameOver>().isEmpty();
        for (frmMain* main : visibleWindows<frmMain>())
            if (main != lastMain_) {
                lastMain_ = main;
                ++mainWindows_;
            }
    }

public:
    // Ends the process when no event has gone out for kStallSeconds: the game stopped answering.
    void watchForStalls()
    {
        std::thread([this] {
            for (long last = -1;; std::this_thread::sleep_for(std::chrono::seconds(kStallSeconds))) {
                const long now = answered_.load(std::memory_order_relaxed);
                if (now == last) {
                    std::fprintf(stderr, "FAIL the game stopped answering after event %ld\n", now);
                    std::_Exit(EXIT_FAILURE);
                }
                last = now;
            }
        }).detach();
    }

private:
    void finish()
    {
        // exit(), not quit(): quit() asks every window to close first, and the
        // main window may be told No.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }

    std::mt19937 engine_;
    long events_;
    ReplayableRandom random_;
    ReplayableMessageBoxes boxes_;
    FixedMotionPreference motion_;
    long sent_ = 0;
    long failures_ = 0;
    long withDialog_ = 0;
    long withGameOver_ = 0;
    long mainWindows_ = 0;
    QPointer<frmMain> lastMain_;
    std::atomic<long> answered_ = 0;
    static constexpr int kStallSeconds = 60;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the monkey reopens the title screen
    screens::installFontSubstitutions();
    const std::uint32_t seed = argc > 1 ? std::uint32_t(std::strtoul(argv[1], nullptr, 10)) : 20261207u;
    const long events = argc > 2 ? std::atol(argv[2]) : 100000;
    std::printf("monkey seed %u, %ld events (replay: %s %u %ld)\n", seed, events, argv[0], seed, events);
    std::fflush(stdout);

    Monkey monkey(seed, events);
    monkey.start();
    monkey.watchForStalls();
    app.exec();
    flushDeletes();
    monkey.checkCoverage();
    std::printf("monkey: %ld events sent, %ld failures\n", monkey.sent(), monkey.failures());
    return monkey.failures() == 0 && monkey.sent() == events ? EXIT_SUCCESS : EXIT_FAILURE;
}
