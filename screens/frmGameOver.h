#pragma once

#include "desktop/motion_preference.h"
#include "household/random_source.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace Ui {
class frmGameOver;
}

// Announces the ending over a background that changes to a random colour
// every 20 ms until OK (or the frame) closes the screen, which destroys it.
// For a player who asked for less motion it changes once a second instead.
class frmGameOver : public QWidget {
    Q_OBJECT

public:
    frmGameOver(household::RandomSource& random, desktop::MotionPreference& motion, QWidget* parent = nullptr);
    ~frmGameOver() override;

    QLabel* lblTitle() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onLoad();
    void onTimerTick();
    void onOkClicked();

    std::unique_ptr<Ui::frmGameOver> ui_;
    household::RandomSource& random_;
    desktop::MotionPreference& motion_;
    QTimer* tmrTimer1_;
    QColor backColor_;  // the button face until the first tick
};
