#pragma once

#include "choice_prompt.h"
#include "household_state.h"
#include "random_source.h"
#include "warning_box.h"

namespace household {

// Work, Shopping and Meal. Each asks through the choice dialog, applies the
// chosen effect as a whole (or refuses it with a warning) and sets TurnEnded
// only when something was really done. None ages the household or ends a game.
class HouseholdActions {
public:
    HouseholdActions(HouseholdState& state, ChoicePrompt& prompt, WarningBox& warnings,
                     RandomSource& random);

    void work();
    void shopping();
    void meal();

private:
    void buy(std::int32_t price, std::int16_t HouseholdState::*stock, std::int16_t amount);
    void serve(std::int16_t HouseholdState::*stock, std::int16_t portion, std::int16_t gain);
    void apply(class CheckedEffect& effect, const char* refusal);

    HouseholdState& state_;
    ChoicePrompt& prompt_;
    WarningBox& warnings_;
    RandomSource& random_;
};

}  // namespace household
