#include "household_state.h"

namespace household {

void HouseholdState::Reset()
{
    HahaHP = 100;
    Money = 100;
    MusumeHP = 50;
    CupMen = 2;
    Shoyu = 1000;
}

std::string DisplayText(std::int32_t value)
{
    return std::to_string(value);
}

}  // namespace household
