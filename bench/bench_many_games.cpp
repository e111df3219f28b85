// Plays many whole games in one process through the real windows (main
// window, choice dialogs, game-over screens), from the event loop, and
// reports the growth of peak memory between the first games and the last.
#include "bench/process_usage.h"
#include "desktop/desktop_motion_preference.h"
#include "household/mersenne_random.h"
#include "screens/font_substitution.h"
#include "screens/frmDialog.h"
#include "screens/frmGameOver.h"
#include "screens/frmMain.h"
#include "screens/qt_message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include <cstdio>
#include <cstdlib>

namespace {

// The dialog opens with the click that asks; its first option is piecework.
void answerFirstOption()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<frmDialog*>(window); dialog && dialog->isVisible())
            return dialog->btnButton(0)->click();
}

frmGameOver* openGameOverScreen()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<frmGameOver*>(window); screen && screen->isVisible())
            return screen;
    return nullptr;
}

// Plays one day at a time from the event loop, as the program runs: what a
// day posts (repaints, deletions, focus changes) is handled before the next.
class Player final : public QObject {
public:
    Player(frmMain& window, int games) : games_(games)
    {
        start_ = window.findChild<QAction*>("mnuStart");
        work_ = window.findChild<QPushButton*>("cmdRoudou");
    }

    void run()
    {
        wall0_ = wallSeconds();
        start_->trigger();
        next();
    }

    int games() const { return played_; }
    long days() const { return days_; }
    double seconds() const { return wall1_ - wall0_; }
    long peakAfterWarmUp() const { return peakAfterWarmUp_; }

    static constexpr int kWarmUp = 100;

private:
    void next() { QTimer::singleShot(0, this, &Player::playDay); }

    void playDay()
    {
        work_->click();  // piecework every day: the mother starves
        answerFirstOption();
        ++days_;
        if (frmGameOver* over = openGameOverScreen()) {
            over->findChild<QPushButton*>("cmdOKButton")->click();
            if (++played_ == kWarmUp)
                peakAfterWarmUp_ = peakKiB();
            if (played_ == games_) {
                wall1_ = wallSeconds();
                QCoreApplication::exit(0);  // quit() would first ask every window to close
                return;
            }
            start_->trigger();
        }
        next();
    }

    const int games_;
    QAction* start_;
    QPushButton* work_;
    int played_ = 0;
    long days_ = 0;
    long peakAfterWarmUp_ = 0;
    double wall0_ = 0;
    double wall1_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    screens::installFontSubstitutions();
    const int games = std::max(argc > 1 ? std::atoi(argv[1]) : 10000, Player::kWarmUp);

    household::MersenneRandom random;
    screens::QtMessageBoxes boxes;
    desktop::DesktopMotionPreference motion(false);
    auto* window = new frmMain({random, boxes, motion});
    window->show();
    Player player(*window, games);
    QTimer::singleShot(0, &player, &Player::run);
    app.exec();
    const long peakAtEnd = peakKiB();
    std::printf("many_games_played %d\n", player.games());
    std::printf("many_games_days %ld\n", player.days());
    std::printf("many_games_seconds %.1f\n", player.seconds());
    std::printf("many_games_peak_kib_after_%d %ld\n", Player::kWarmUp, player.peakAfterWarmUp());
    std::printf("many_games_peak_kib_at_end %ld\n", peakAtEnd);
    std::printf("many_games_peak_growth_kib %ld\n", peakAtEnd - player.peakAfterWarmUp());
    return 0;
}
