#pragma once

#include "household/household_state.h"

#include <cstdint>
#include <optional>

namespace household {

// Adds delta to a counter of the given width; nullopt when the sum leaves
// the width's range.
std::optional<std::int16_t> checkedAdd(std::int16_t value, std::int32_t delta);
std::optional<std::int32_t> checkedAdd(std::int32_t value, std::int32_t delta);

// An action's effect, applied as a whole or not at all: each step works on a
// draft copy, and commit() stores the draft only when no step left its range.
class CheckedEffect {
public:
    explicit CheckedEffect(HouseholdState& target) : target_(target), draft_(target) {}

    template <typename Counter>
    CheckedEffect& add(Counter HouseholdState::*field, std::int32_t delta)
    {
        if (const auto sum = checkedAdd(draft_.*field, delta))
            draft_.*field = *sum;
        else
            overflowed_ = true;
        return *this;
    }
    CheckedEffect& set(std::int32_t HouseholdState::*field, std::int32_t value);
    CheckedEffect& endTurn();

    bool overflowed() const { return overflowed_; }

    // Stores every step, or nothing when any step overflowed; returns whether it stored.
    bool commit();

private:
    HouseholdState& target_;
    HouseholdState draft_;
    bool overflowed_ = false;
};

}  // namespace household
