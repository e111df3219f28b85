#include "household/checked_effect.h"

#include <limits>

namespace household {

namespace {

template <typename T>
std::optional<T> checkedAddImpl(T value, std::int32_t delta)
{
    const std::int64_t sum = std::int64_t{value} + delta;
    if (sum < std::numeric_limits<T>::min() || sum > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(sum);
}

}  // namespace

std::optional<std::int16_t> checkedAdd(std::int16_t value, std::int32_t delta)
{
    return checkedAddImpl(value, delta);
}

std::optional<std::int32_t> checkedAdd(std::int32_t value, std::int32_t delta)
{
    return checkedAddImpl(value, delta);
}

CheckedEffect& CheckedEffect::set(std::int32_t HouseholdState::*field, std::int32_t value)
{
    draft_.*field = value;
    return *this;
}

CheckedEffect& CheckedEffect::endTurn()
{
    draft_.TurnEnded = kTrue;
    return *this;
}

bool CheckedEffect::commit()
{
    if (overflowed_)
        return false;
    target_ = draft_;
    return true;
}

}  // namespace household
