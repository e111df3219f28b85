// Sends a long stream of random user events to the real windows and checks,
// after every one, that nothing broke. The seed decides every event, every
// message-box answer and the game's random sequence; an open game-over screen
// draws from that sequence on a wall-clock timer, so a replay sends the same
// events but may see other draws once a game has ended.
// Usage: monkey_test [SEED] [EVENTS]
#include "font_substitution.h"
#include "frmDialog.h"
#include "frmGameOver.h"
#include "frmMain.h"
#include "frmOpening.h"
#include "mersenne_random.h"
#include "message_box.h"
#include "window_queries.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// The game's draws come from the seed too; reseeding from the clock is ignored.
class ReplayableRandom final : public household::RandomSource {
public:
    explicit ReplayableRandom(std::uint64_t seed) { inner_.Seed(seed); }
    void SeedFromClock() override {}
    float Next() override { return inner_.Next(); }

private:
    runtime::MersenneRandom inner_;
};

class Monkey {
public:
    Monkey(std::uint32_t seed, long events) : engine_(seed), events_(events) {}

    void Start() { ScheduleNext(); }
    long failures() const { return failures_; }
    long sent() const { return sent_; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    void ScheduleNext()
    {
        QTimer::singleShot(0, [this] { Tick(); });
    }

    // Scheduled before the event goes out: an event that opens a choice
    // dialog only returns once it closes, and the monkey must go on meanwhile.
    void Tick()
    {
        if (sent_ >= events_) {
            Finish();
            return;
        }
        ++sent_;
        ScheduleNext();
        SendOne();
        CheckInvariants();
        CountWhatIsOpen();
    }

    QWidget* AnyWindow()
    {
        QList<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !qobject_cast<QMenu*>(window))
                windows << window;
        return windows.isEmpty() ? nullptr : windows[Pick(int(windows.size()))];
    }

    static QWidget* KeyTarget(QWidget* window) { return window->focusWidget() ? window->focusWidget() : window; }

    void SendOne()
    {
        if (VisibleWindows<frmMain>().isEmpty() && VisibleWindows<frmOpening>().isEmpty())
            (new frmOpening)->show();

        if (QMenu* menu = VisibleWindows<QMenu>().value(0)) {  // a menu is open: pick from it or leave it
            const Qt::Key keys[] = {Qt::Key_S, Qt::Key_X, Qt::Key_Escape, Qt::Key_Down, Qt::Key_Return};
            QTest::keyClick(menu, keys[Pick(5)]);
            return;
        }
        QWidget* window = AnyWindow();
        if (!window)
            return;
        switch (Pick(10)) {
        case 0:
        case 1: {
            const char typed[] = {'1', '2', '3', '1', 'a'};
            QTest::keyClick(KeyTarget(window), typed[Pick(5)]);
            break;
        }
        case 2: {
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space};
            QTest::keyClick(KeyTarget(window), keys[Pick(4)]);
            break;
        }
        case 3:
            if (auto* main = VisibleWindows<frmMain>().value(0))
                QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
            break;
        case 4:
        case 5:
        case 6: {
            const auto buttons = window->findChildren<QPushButton*>();
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[Pick(int(buttons.size()))], Qt::LeftButton);
            break;
        }
        case 7:
            if (auto* main = VisibleWindows<frmMain>().value(0))
                main->findChild<QAction*>("mnuStart")->trigger();
            break;
        case 8:
            if (Pick(20) == 0)
                window->close();
            break;
        default:
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(Pick(window->width()), Pick(window->height())));
            break;
        }
    }

    void Fail(const char* what)
    {
        ++failures_;
        std::fprintf(stderr, "FAIL after event %ld: %s\n", sent_, what);
    }

    void CheckInvariants()
    {
        for (frmMain* main : VisibleWindows<frmMain>()) {
            const household::HouseholdState& s = main->game().state();
            if (s.Money < -1)
                Fail("Money below -1");
            if (s.Shoyu < 0 || s.Shoyu % 100 != 0)
                Fail("Shoyu not a non-negative multiple of 100");
            if (s.CupMen < 0)
                Fail("CupMen below 0");
        }
        if (VisibleWindows<frmDialog>().size() > 1)
            Fail("more than one choice dialog open");
        if (VisibleWindows<frmMain>().size() > 1)
            Fail("more than one main window open");
    }

    // Proof that the stream reached the places that matter.
    void CountWhatIsOpen()
    {
        withDialog_ += !VisibleWindows<frmDialog>().isEmpty();
        withGameOver_ += !VisibleWindows<frmGameOver>().isEmpty();
        for (frmMain* main : VisibleWindows<frmMain>())
            if (main != lastMain_) {
                lastMain_ = main;
                ++mainWindows_;
            }
    }

public:
    void PrintCoverage() const
    {
        std::printf("events with a choice dialog open: %ld, with a game-over screen open: %ld, main windows: %ld\n",
                    withDialog_, withGameOver_, mainWindows_);
    }

private:
    void Finish()
    {
        // exit(), not quit(): quit() asks every window to close first, and the
        // main window may be told No.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }

    std::mt19937 engine_;
    long events_;
    long sent_ = 0;
    long failures_ = 0;
    long withDialog_ = 0;
    long withGameOver_ = 0;
    long mainWindows_ = 0;
    QPointer<frmMain> lastMain_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the monkey reopens the title screen
    runtime::InstallFontSubstitutions();
    const std::uint32_t seed = argc > 1 ? std::uint32_t(std::strtoul(argv[1], nullptr, 10)) : 20261207u;
    const long events = argc > 2 ? std::atol(argv[2]) : 100000;
    std::printf("monkey seed %u, %ld events (replay: %s %u %ld)\n", seed, events, argv[0], seed, events);
    std::fflush(stdout);

    ReplayableRandom random(seed);
    runtime::ReplaceSharedRandom(&random);
    std::mt19937 answers(seed + 1);
    runtime::SetMessageBoxResponder([&answers](const QString&, runtime::MessageBoxButtons buttons) {
        if (buttons == runtime::MessageBoxButtons::Ok)
            return runtime::MessageBoxAnswer::Ok;
        return answers() % 5 == 0 ? runtime::MessageBoxAnswer::Yes : runtime::MessageBoxAnswer::No;
    });

    Monkey monkey(seed, events);
    monkey.Start();
    app.exec();
    FlushDeletes();
    runtime::SetMessageBoxResponder({});
    runtime::ReplaceSharedRandom(nullptr);
    monkey.PrintCoverage();
    std::printf("monkey: %ld events sent, %ld failures\n", monkey.sent(), monkey.failures());
    return monkey.failures() == 0 && monkey.sent() == events ? EXIT_SUCCESS : EXIT_FAILURE;
}
