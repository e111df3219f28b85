#pragma once

#include "household_state.h"
#include "random_source.h"
#include "turn_screens.h"

#include <cstdint>

namespace household {

// Runs a game day by day. It never waits itself: whoever runs an action
// calls OnActionReturned() afterwards, and that is where a day closes.
class TurnCycle {
public:
    TurnCycle(HouseholdState& state, RandomSource& random, TurnScreens& screens);

    // Seeds, resets, day 1, enables the buttons, shows the status. A game
    // already running is abandoned: it never declines or ends afterwards.
    void Start();

    // Closes the day when a game runs and the action set TurnEnded: decline,
    // endings, then the next day or the game over.
    void OnActionReturned();

    // Gives the running game up without a result (the window is closing).
    void Abandon() { running_ = false; }

    bool running() const { return running_; }
    std::int16_t Day() const { return day_; }

private:
    void SetButtonsEnabled(bool enabled);
    void ShowStatus();
    void Decline();
    void EndGame(const char* resultText);

    HouseholdState& state_;
    RandomSource& random_;
    TurnScreens& screens_;
    std::int16_t day_ = 0;
    bool running_ = false;
};

// Nearest integer to value, a tie going to the even neighbour, clamped to 16 bits.
std::int16_t RoundHalfEven16(double value);

}  // namespace household
