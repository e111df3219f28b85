#pragma once

#include "dialog_choice_prompt.h"
#include "household_game.h"
#include "mersenne_random.h"
#include "turn_screens.h"
#include "warning_message_box.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QLabel;
class QPushButton;
class frmGameOver;

namespace Ui {
class frmMain;
}

// Where the game is played. Holds the household, forwards the menu, the
// buttons and the keys 1/2/3 to the game, and shows what the turn cycle hands it.
class frmMain : public QMainWindow, private household::TurnScreens {
    Q_OBJECT

public:
    explicit frmMain(household::RandomSource& random = runtime::SharedRandom(), QWidget* parent = nullptr);
    ~frmMain() override;

    const household::HouseholdGame& game() const { return game_; }
    // The game-over screen while it is open, else nullptr.
    frmGameOver* gameOverScreen() const;

    QPushButton* button(household::ActionButton which) const;
    QLabel* statusLabel(household::StatusLabel which) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mnuStart_Click();
    void mnuEnd_Click();
    void Form_KeyPress(const QString& typed);
    bool ConfirmQuit();

    void SetActionButtonEnabled(household::ActionButton button, bool enabled) override;
    void SetStatusCaption(household::StatusLabel label, const std::string& text) override;
    void SetGameOverTitle(const std::string& text) override;
    void ShowGameOver() override;

    std::unique_ptr<Ui::frmMain> ui_;
    household::RandomSource& random_;
    DialogChoicePrompt prompt_;
    runtime::WarningMessageBox warnings_;
    household::HouseholdGame game_;
    QPointer<frmGameOver> gameOver_;
    bool quitConfirmed_ = false;
    bool askingToQuit_ = false;
};
