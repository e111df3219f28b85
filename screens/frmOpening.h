#pragma once

#include "screens/game_services.h"

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
    // The main window it opens takes the services.
    explicit frmOpening(const GameServices& services, QWidget* parent = nullptr);
    ~frmOpening() override;

private:
    void onStartClicked();

    std::unique_ptr<Ui::frmOpening> ui_;
    GameServices services_;
};
