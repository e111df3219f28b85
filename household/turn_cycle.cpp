#include "turn_cycle.h"

#include "rounding.h"

#include <algorithm>
#include <limits>

namespace household {

namespace {

// Computed in double, where the product and the two subtractions are exact,
// so the conversion to an integer is the only rounding.
std::int16_t Declined(std::int16_t stamina, float r, double scale)
{
    return RoundHalfEven16(static_cast<double>(static_cast<float>(stamina)) -
                           static_cast<double>(r) * scale - 1.0);
}

}  // namespace

std::int16_t RoundHalfEven16(double value)
{
    return static_cast<std::int16_t>(std::clamp(RoundHalfEven(value), double{std::numeric_limits<std::int16_t>::min()},
                                                double{std::numeric_limits<std::int16_t>::max()}));
}

TurnCycle::TurnCycle(HouseholdState& state, RandomSource& random, TurnScreens& screens)
    : state_(state), random_(random), screens_(screens)
{
}

void TurnCycle::Start()
{
    random_.SeedFromClock();
    state_.Reset();
    day_ = 1;
    SetButtonsEnabled(true);
    ShowStatus();
    state_.TurnEnded = kFalse;
    running_ = true;
}

void TurnCycle::OnActionReturned()
{
    if (!running_ || !state_.turnEnded())
        return;

    Decline();
    if (state_.HahaHP < 0)
        return EndGame("母親餓死!!");
    if (state_.MusumeHP < 0)
        return EndGame("娘凍死!!");
    if (state_.Money < 0)
        return EndGame("母親逮捕!!");

    // A 16-bit day counter: a game this long stays on its last day instead of overflowing.
    if (day_ < std::numeric_limits<std::int16_t>::max())
        ++day_;
    ShowStatus();
    state_.TurnEnded = kFalse;
}

void TurnCycle::SetButtonsEnabled(bool enabled)
{
    for (const auto button : {ActionButton::Roudou, ActionButton::Kaimono, ActionButton::Shokuji})
        screens_.SetActionButtonEnabled(button, enabled);
}

void TurnCycle::ShowStatus()
{
    screens_.SetStatusCaption(StatusLabel::Day, DisplayText(day_));
    screens_.SetStatusCaption(StatusLabel::CupMenValue, DisplayText(state_.CupMen));
    screens_.SetStatusCaption(StatusLabel::ShoyuValue, DisplayText(state_.Shoyu));
    screens_.SetStatusCaption(StatusLabel::MoneyValue, DisplayText(state_.Money));
    screens_.SetStatusCaption(StatusLabel::HahaHP, DisplayText(state_.HahaHP));
    screens_.SetStatusCaption(StatusLabel::MusumeHP, DisplayText(state_.MusumeHP));
}

void TurnCycle::Decline()
{
    state_.HahaHP = Declined(state_.HahaHP, random_.Next(), 10.0);
    state_.MusumeHP = Declined(state_.MusumeHP, random_.Next(), 5.0);
}

void TurnCycle::EndGame(const char* resultText)
{
    running_ = false;
    screens_.SetGameOverTitle(resultText);
    SetButtonsEnabled(false);
    screens_.ShowGameOver();
}

}  // namespace household
