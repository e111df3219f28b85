// Shows the game-over screen and measures its colour changes per second and
// the CPU it uses, over a few seconds after a short warm-up.
#include "bench/counting_random.h"
#include "bench/process_usage.h"
#include "desktop/desktop_motion_preference.h"
#include "household/mersenne_random.h"
#include "screens/font_substitution.h"
#include "screens/frmGameOver.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    screens::installFontSubstitutions();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;

    household::MersenneRandom generator;
    CountingRandom random(generator);
    // The designed screen, or with "calm" as the second argument the one for a player who asked for less motion.
    desktop::DesktopMotionPreference motion(argc > 2 && std::strcmp(argv[2], "calm") == 0);
    auto* screen = new frmGameOver(random, motion);
    screen->lblTitle()->setText(QStringLiteral("母親餓死!!"));
    screen->show();

    long draws0 = 0;
    double cpu0 = 0, wall0 = 0;
    QTimer::singleShot(1000, [&] {
        draws0 = random.draws;
        cpu0 = cpuSeconds();
        wall0 = wallSeconds();
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
            const double wall = wallSeconds() - wall0;
            std::printf("game_over_changes_per_second %.2f\n", (random.draws - draws0) / wall);
            std::printf("game_over_cpu_percent %.2f\n", 100.0 * (cpuSeconds() - cpu0) / wall);
            screen->close();
        });
    });
    return app.exec();
}
