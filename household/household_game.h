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
    HouseholdGame(RandomSource& random, ChoicePrompt& prompt, WarningBox& warnings, TurnScreens& screens);

    // A pending choice is cancelled first, so its action changes nothing.
    void Start();
    void Work() { RunAction(&HouseholdActions::Work); }
    void Shopping() { RunAction(&HouseholdActions::Shopping); }
    void Meal() { RunAction(&HouseholdActions::Meal); }
    // The window is going away: the game and any pending choice end, silently.
    void Close();

    const HouseholdState& state() const { return state_; }
    const TurnCycle& turnCycle() const { return turnCycle_; }
    bool actionPending() const { return actionPending_; }

private:
    void RunAction(void (HouseholdActions::*action)());

    HouseholdState state_;
    ChoicePrompt& prompt_;
    TurnCycle turnCycle_;
    HouseholdActions actions_;
    bool actionPending_ = false;
};

}  // namespace household
