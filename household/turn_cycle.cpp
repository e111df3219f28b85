#include "household/turn_cycle.h"

#include "household/rounding.h"

#include <limits>

namespace household {

namespace {

// Computed in double, where the product and the two subtractions are exact,
// so the conversion to an integer is the only rounding.
std::int16_t declined(std::int16_t stamina, float r, double scale)
{
    return roundHalfEven16(static_cast<double>(static_cast<float>(stamina)) -
                           static_cast<double>(r) * scale - 1.0);
}

// The endings, first match wins.
const char* ending(const HouseholdState& state)
{
    if (state.HahaHP < 0)
        return "母親餓死!!";
    if (state.MusumeHP < 0)
        return "娘凍死!!";
    if (state.Money < 0)
        return "母親逮捕!!";
    return nullptr;
}

}  // namespace

TurnCycle::TurnCycle(HouseholdState& state, RandomSource& random, GameScreens& screens)
    : state_(state), random_(random), screens_(screens)
{
}

void TurnCycle::start()
{
    random_.seedFromClock();
    state_.reset();
    day_ = 1;
    state_.TurnEnded = kFalse;
    running_ = true;
    screens_.stateChanged();
}

void TurnCycle::onActionReturned()
{
    if (!running_ || !state_.turnEnded())
        return;

    decline();
    if (const char* resultText = ending(state_)) {
        running_ = false;
        screens_.gameEnded(resultText);
        return;
    }
    // A 16-bit day counter: a game this long stays on its last day instead of overflowing.
    if (day_ < std::numeric_limits<std::int16_t>::max())
        ++day_;
    state_.TurnEnded = kFalse;
    screens_.stateChanged();
}

void TurnCycle::decline()
{
    state_.HahaHP = declined(state_.HahaHP, random_.next(), 10.0);
    state_.MusumeHP = declined(state_.MusumeHP, random_.next(), 5.0);
}

}  // namespace household
