#pragma once

#include "household_state.h"
#include "random_source.h"
#include "turn_screens.h"

#include <cstdint>

namespace household {

// Runs a game day by day. It never waits itself: whoever runs an action
// calls onActionReturned() afterwards, and that is where a day closes.
class TurnCycle {
public:
    TurnCycle(HouseholdState& state, RandomSource& random, TurnScreens& screens);

    // Seeds, resets, day 1, enables the buttons, shows the status. A game
    // already running is abandoned: it never declines or ends afterwards.
    void start();

    // Closes the day when a game runs and the action set TurnEnded: decline,
    // endings, then the next day or the game over.
    void onActionReturned();

    // Gives the running game up without a result (the window is closing).
    void abandon() { running_ = false; }


private:
    void setButtonsEnabled(bool enabled);
    void showStatus();
    void decline();
    void endGame(const char* resultText);

    HouseholdState& state_;
    RandomSource& random_;
    TurnScreens& screens_;
    std::int16_t day_ = 0;
    bool running_ = false;
};

}  // namespace household
