#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class frmDialog;
}

// The two-choice dialog. Every answer finishes it with its value (done(1),
// done(2), or done(-1) for キャンセル and a close from the frame) and unloads
// (destroys) the window; a new question needs a new dialog.
class frmDialog : public QDialog {
    Q_OBJECT

public:
    explicit frmDialog(QWidget* parent = nullptr);
    ~frmDialog() override;

    QLabel* lblLabel() const;
    QPushButton* btnButton(int index) const { return btnButton_.at(static_cast<std::size_t>(index)); }

    // Presses キャンセル: the answer is -1.
    void reject() override;

private:
    std::unique_ptr<Ui::frmDialog> ui_;
    std::array<QPushButton*, 2> btnButton_{};
};
