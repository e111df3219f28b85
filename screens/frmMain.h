#pragma once

#include "household/game_screens.h"
#include "household/household_game.h"
#include "household/warning_box.h"
#include "screens/game_services.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class frmDialog;
class frmGameOver;

namespace Ui {
class frmMain;
}

// Where the game is played. Holds the household, forwards the menu, the
// buttons and the keys 1/2/3 to the game, and shows what the game tells it.
class frmMain : public QMainWindow, private household::GameScreens, private household::WarningBox {
    Q_OBJECT

public:
    explicit frmMain(const GameServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onEndTriggered();
    void onKeyPress(const QString& typed);
    // The household, the day and whether a game runs, as they are now.
    void refresh();

    void stateChanged() override { refresh(); }
    void ShowChoiceDialog(const household::Question& question) override;
    void raiseChoiceDialog() override;
    void dropChoiceDialog() override;
    void gameEnded(const std::string& resultText) override;
    void showWarning(const std::string& text) override;

    std::unique_ptr<Ui::frmMain> ui_;
    GameServices services_;
    household::HouseholdState household_;
    household::HouseholdGame game_;
    QPointer<frmDialog> choice_;  // the pending question's dialog
    QPointer<frmGameOver> gameOver_;
    bool askingToQuit_ = false;
    int warningsOpen_ = 0;
    bool quitting_ = false;  // はい was the answer
};
