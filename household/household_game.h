#pragma once

#include "household/household_actions.h"
#include "household/household_state.h"
#include "household/turn_cycle.h"

namespace household {

// What the main window drives: the turn cycle and the actions, with the rules
// for how they may overlap. One question at a time: a second action while one
// is pending only brings its dialog to the front.
class HouseholdGame {
public:
    // The record belongs to the caller (the main window) and outlives the game.
    HouseholdGame(HouseholdState& state, RandomSource& random, GameScreens& screens, WarningBox& warnings);

    // A pending question is dropped first, so its action changes nothing.
    void start();
    void work() { act(&HouseholdActions::work); }
    void shopping() { act(&HouseholdActions::shopping); }
    void meal() { act(&HouseholdActions::meal); }
    // The pending question's answer; the day closes once the action is done.
    void answer(std::int16_t choice);

    std::int16_t day() const { return turnCycle_.day(); }
    bool running() const { return turnCycle_.running(); }
    bool questionPending() const { return actions_.questionPending(); }

private:
    void act(void (HouseholdActions::*action)());
    void closeDayUnlessAsking();

    GameScreens& screens_;
    TurnCycle turnCycle_;
    HouseholdActions actions_;
};

}  // namespace household
