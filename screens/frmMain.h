#pragma once

#include "dialog_choice_prompt.h"
#include "game_services.h"
#include "household_game.h"
#include "turn_screens.h"
#include "warning_message_box.h"
#include "window_lifetime.h"

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
    explicit frmMain(const GameServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onStartTriggered();
    void onEndTriggered();
    void onKeyPress(const QString& typed);
    // Runs one of the game's actions on the window's behalf (see lifetime_).
    void act(void (household::HouseholdGame::*action)());
    bool confirmQuit();
    void stopRunning();
    QPushButton* button(household::ActionButton which) const;
    QLabel* statusLabel(household::StatusLabel which) const;

    void setActionButtonEnabled(household::ActionButton button, bool enabled) override;
    void setStatusCaption(household::StatusLabel label, const std::string& text) override;
    void setGameOverTitle(const std::string& text) override;
    void showGameOver() override;

    std::unique_ptr<Ui::frmMain> ui_;
    GameServices services_;
    household::HouseholdState household_;
    DialogChoicePrompt prompt_;
    runtime::WarningMessageBox warnings_;
    household::HouseholdGame game_;
    QPointer<frmGameOver> gameOver_;
    // When and how this window may end: every action and box runs through it.
    runtime::WindowLifetime lifetime_;
};
