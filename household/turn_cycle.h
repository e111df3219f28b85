#pragma once

#include "household/game_screens.h"
#include "household/household_state.h"
#include "household/random_source.h"

#include <cstdint>

namespace household {

// Runs a game day by day. It never waits itself: whoever runs an action
// calls onActionReturned() once its effect is applied, and that is where a day closes.
class TurnCycle {
public:
    TurnCycle(HouseholdState& state, RandomSource& random, GameScreens& screens);

    // Seeds, resets, day 1, shows the state. A game already running is
    // abandoned: it never declines or ends afterwards.
    void start();

    // Closes the day when a game runs and the action set TurnEnded: decline,
    // endings, then the next day or the game over.
    void onActionReturned();

    std::int16_t day() const { return day_; }
    bool running() const { return running_; }

private:
    void decline();

    HouseholdState& state_;
    RandomSource& random_;
    GameScreens& screens_;
    std::int16_t day_ = 0;
    bool running_ = false;
};

}  // namespace household
