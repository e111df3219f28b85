#pragma once

#include "household/game_screens.h"
#include "household/household_state.h"
#include "household/random_source.h"
#include "household/warning_box.h"

#include <cstdint>
#include <functional>

namespace household {

// Work, Shopping and Meal. Each asks its question and returns; the answer
// applies the chosen effect as a whole (or refuses it with a warning) and sets
// TurnEnded only when something was really done. None ages the household or
// ends a game.
class HouseholdActions {
public:
    HouseholdActions(HouseholdState& state, GameScreens& screens, WarningBox& warnings, RandomSource& random);

    void work();
    void shopping();
    void meal();

    // Goes on with the pending question: 1 or 2 for an option, anything else
    // (-1 for キャンセル) changes nothing. Ignored when no question is pending.
    void answer(std::int16_t choice);
    bool questionPending() const { return static_cast<bool>(onAnswer_); }
    // Forgets the pending question: its action changes nothing.
    void drop() { onAnswer_ = nullptr; }

private:
    using OnAnswer = std::function<void(std::int16_t)>;

    void ask(const Question& question, OnAnswer onAnswer);
    void buy(std::int32_t price, std::int16_t HouseholdState::*stock, std::int16_t amount);
    void serve(std::int16_t HouseholdState::*stock, std::int16_t portion, std::int16_t gain);
    void apply(class CheckedEffect& effect, const char* refusal);

    HouseholdState& state_;
    GameScreens& screens_;
    WarningBox& warnings_;
    RandomSource& random_;
    OnAnswer onAnswer_;
};

}  // namespace household
