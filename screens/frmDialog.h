#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class frmDialog;
}

// The two-choice dialog. Every answer stores its value in DialogResult and
// unloads (destroys) the window; a new question needs a new dialog.
class frmDialog : public QDialog {
    Q_OBJECT

public:
    explicit frmDialog(QWidget* parent = nullptr);
    ~frmDialog() override;

    QLabel* lblLabel() const;
    QPushButton* btnButton(int index) const { return btnButton_.at(static_cast<std::size_t>(index)); }

    // Presses キャンセル: the answer is -1.
    void reject() override;

signals:
    // The window is closing, whether answered or not.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onButtonClicked(std::int16_t index);
    void onCancelClicked();

    std::unique_ptr<Ui::frmDialog> ui_;
    std::array<QPushButton*, 2> btnButton_{};
};
