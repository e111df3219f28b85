#pragma once

#include "mersenne_random.h"
#include "qt_message_boxes.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace Ui {
class frmOpening;
}

// The title screen, the program's first window. START! opens the main window
// and then closes (destroys) the title screen; closing it through its frame
// opens nothing.
class frmOpening : public QWidget {
    Q_OBJECT

public:
    // The main window it opens takes random and boxes.
    explicit frmOpening(household::RandomSource& random = runtime::sharedRandom(),
                        runtime::MessageBoxes& boxes = runtime::realMessageBoxes(), QWidget* parent = nullptr);
    ~frmOpening() override;

private:
    void onStartClicked();

    std::unique_ptr<Ui::frmOpening> ui_;
    household::RandomSource& random_;
    runtime::MessageBoxes& boxes_;
};
