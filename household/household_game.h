#pragma once

#include "household_actions.h"
#include "household_state.h"
#include "turn_cycle.h"

namespace household {

// What the main window drives: the household record, the turn cycle and the
// actions, with the rules for how they may overlap. Only one action runs at a
// time: a second one while a choice is pending only raises the pending dialog.
class HouseholdGame {
public:
    // The record belongs to the caller (the main window) and outlives the game.
    HouseholdGame(HouseholdState& state, RandomSource& random, ChoicePrompt& prompt, WarningBox& warnings,
                  TurnScreens& screens);

    // A pending choice is cancelled first, so its action changes nothing.
    void start();
    void work() { runAction(&HouseholdActions::work); }
    void shopping() { runAction(&HouseholdActions::shopping); }
    void meal() { runAction(&HouseholdActions::meal); }
    // The window is going away: the game and any pending choice end, silently.
    void close();

private:
    void runAction(void (HouseholdActions::*action)());

    ChoicePrompt& prompt_;
    TurnCycle turnCycle_;
    HouseholdActions actions_;
    bool actionPending_ = false;
};

}  // namespace household
