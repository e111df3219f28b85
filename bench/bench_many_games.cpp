// Plays many whole games in one process through the real windows (main
// window, choice dialogs, game-over screens) and reports the growth of peak
// memory between the first games and the last.
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

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    screens::installFontSubstitutions();
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int warmUp = 100;

    household::MersenneRandom random;
    screens::QtMessageBoxes boxes;
    desktop::DesktopMotionPreference motion(false);
    auto* window = new frmMain({random, boxes, motion});
    window->show();
    QAction* start = window->findChild<QAction*>("mnuStart");
    auto* work = window->findChild<QPushButton*>("cmdRoudou");
    long peakAfterWarmUp = 0;
    long days = 0;
    const double wall0 = wallSeconds();
    for (int game = 0; game < games; ++game) {
        start->trigger();
        frmGameOver* over = nullptr;
        while (!over) {  // piecework every day: the mother starves
            work->click();
            answerFirstOption();
            ++days;
            over = openGameOverScreen();
        }
        over->findChild<QPushButton*>("cmdOKButton")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (game + 1 == warmUp)
            peakAfterWarmUp = peakKiB();
    }
    const long peakAtEnd = peakKiB();
    std::printf("many_games_played %d\n", games);
    std::printf("many_games_days %ld\n", days);
    std::printf("many_games_seconds %.1f\n", wallSeconds() - wall0);
    std::printf("many_games_peak_kib_after_%d %ld\n", warmUp, peakAfterWarmUp);
    std::printf("many_games_peak_kib_at_end %ld\n", peakAtEnd);
    std::printf("many_games_peak_growth_kib %ld\n", peakAtEnd - peakAfterWarmUp);
    return 0;
}
