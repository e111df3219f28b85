// Shows the game-over screen and measures its colour changes per second and
// the CPU it uses, over a few seconds after a short warm-up. With "bare" in
// place of the mode it measures the yardstick instead: a bare window of the
// screen's size with the same labels and button, repainted in a new colour 50
// times a second, so that the screen's CPU is judged as a ratio to it.
#include "bench/counting_random.h"
#include "bench/process_usage.h"
#include "desktop/desktop_motion_preference.h"
#include "household/mersenne_random.h"
#include "screens/font_substitution.h"
#include "screens/frmGameOver.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

class BareFlashingWindow final : public QWidget {
public:
    explicit BareFlashingWindow(household::RandomSource& random) : random_(random)
    {
        resize(402, 213);
        setAttribute(Qt::WA_OpaquePaintEvent);
        struct Label {
            const char* text;
            const char* family;
            double points;
            bool bold;
            QRect place;
        };
        for (const Label& label : {Label{"母親餓死!!", "IPAPMincho", 36, true, {40, 8, 337, 49}},
                                   Label{"GAME OVER", "IPAPGothic", 20.25, true, {120, 72, 161, 25}},
                                   Label{"Try Again!", "IPAPGothic", 14.25, false, {160, 120, 81, 25}}}) {
            auto* shown = new QLabel(QString::fromUtf8(label.text), this);
            QFont font(QString::fromLatin1(label.family));
            font.setPointSizeF(label.points);
            font.setBold(label.bold);
            shown->setFont(font);
            shown->setGeometry(label.place);
        }
        (new QPushButton(QStringLiteral("OK"), this))->setGeometry(160, 168, 81, 25);
        connect(&timer_, &QTimer::timeout, this, [this] {
            colour_ = QColor::fromRgb(static_cast<QRgb>(random_.next() * 16777216.0F));
            update();
        });
        timer_.start(20);
    }

protected:
    void paintEvent(QPaintEvent* event) override { QPainter(this).fillRect(event->rect(), colour_); }

private:
    household::RandomSource& random_;
    QTimer timer_;
    QColor colour_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    screens::installFontSubstitutions();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;

    household::MersenneRandom generator;
    CountingRandom random(generator);
    // The designed screen, or with "calm" as the second argument the one for a player who asked for less motion.
    const char* mode = argc > 2 ? argv[2] : "designed";
    desktop::DesktopMotionPreference motion(std::strcmp(mode, "calm") == 0);
    QWidget* screen = nullptr;
    if (std::strcmp(mode, "bare") == 0) {
        screen = new BareFlashingWindow(random);
    } else {
        auto* gameOver = new frmGameOver(random, motion);
        gameOver->lblTitle()->setText(QStringLiteral("母親餓死!!"));
        screen = gameOver;
    }
    screen->setAttribute(Qt::WA_DeleteOnClose);
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
