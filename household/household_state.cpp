#include "household/household_state.h"

namespace household {

void HouseholdState::reset()
{
    HahaHP = 100;
    Money = 100;
    MusumeHP = 50;
    CupMen = 2;
    Shoyu = 1000;
}

std::string displayText(std::int32_t value)
{
    return std::to_string(value);
}

}  // namespace household
