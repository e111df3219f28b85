#pragma once

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
    explicit frmOpening(QWidget* parent = nullptr);
    ~frmOpening() override;

    QPushButton* cmdStartButton() const;

private:
    void cmdStartButton_Click();

    std::unique_ptr<Ui::frmOpening> ui_;
};
