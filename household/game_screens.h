#pragma once

#include <string>

namespace household {

// A two-choice question as the dialog shows it. Texts are UTF-8.
struct Question {
    std::string prompt, option1, option2;
};

// What the game tells the screens. The screens read the rest from the game
// and the household record: nothing here waits for the player.
class GameScreens {
public:
    virtual ~GameScreens() = default;

    // A new game or a survived day: show the household, the day and whether a game runs.
    virtual void stateChanged() = 0;
    // Opens the choice dialog and returns at once; its answer (1, 2, or -1 for
    // キャンセル and for a dialog that went away) comes back through HouseholdGame::answer.
    virtual void ShowChoiceDialog(const Question& question) = 0;
    // A second action while a question is pending: its dialog comes to the front.
    virtual void raiseChoiceDialog() = 0;
    // The pending question was dropped (a new game began): its dialog closes.
    virtual void dropChoiceDialog() = 0;
    // The game ended with this text; the status keeps showing the last day's start.
    virtual void gameEnded(const std::string& resultText) = 0;
};

}  // namespace household
