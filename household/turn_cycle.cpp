#include "turn_cycle.h"

#include "rounding.h"

namespace household {

namespace {

// Computed in double, where the product and the two subtractions are exact,
// so the conversion to an integer is the only rounding.
std::int16_t declined(std::int16_t stamina, float r, double scale)
{
    return roundHalfEven16(static_cast<double>(static_cast<float>(stamina)) -
                           static_cast<double>(r) * scale - 1.0);
}

}  // namespace

TurnCycle::TurnCycle(HouseholdState& state, RandomSource& random, TurnScreens& screens)
    : state_(state), random_(random), screens_(screens)
{
}

void TurnCycle::start()
{
    random_.seedFromClock();
    state_.reset();
    day_ = 1;
    setButtonsEnabled(true);
    showStatus();
    state_.TurnEnded = kFalse;
    running_ = true;
}

void TurnCycle::onActionReturned()
{
    if (!running_ || !state_.turnEnded())
        return;

    decline();
    if (state_.HahaHP < 0)
        return endGame("母親餓死!!");
    if (state_.MusumeHP < 0)
        return endGame("娘凍死!!");
    if (state_.Money < 0)
        return endGame("母親逮捕!!");

    // A 16-bit day counter: a game this long stays on its last day instead of overflowing.
    if (day_ < std::numeric_limits<std::int16_t>::max())
        ++day_;
    showStatus();
    state_.TurnEnded = kFalse;
}

void TurnCycle::setButtonsEnabled(bool enabled)
{
    for (const auto button : {ActionButton::Roudou, ActionButton::Kaimono, ActionButton::Shokuji})
        screens_.setActionButtonEnabled(button, enabled);
}

void TurnCycle::showStatus()
{
    screens_.setStatusCaption(StatusLabel::Day, displayText(day_));
    screens_.setStatusCaption(StatusLabel::CupMenValue, displayText(state_.CupMen));
    screens_.setStatusCaption(StatusLabel::ShoyuValue, displayText(state_.Shoyu));
    screens_.setStatusCaption(StatusLabel::MoneyValue, displayText(state_.Money));
    screens_.setStatusCaption(StatusLabel::HahaHP, displayText(state_.HahaHP));
    screens_.setStatusCaption(StatusLabel::MusumeHP, displayText(state_.MusumeHP));
}

void TurnCycle::decline()
{
    state_.HahaHP = declined(state_.HahaHP, random_.next(), 10.0);
    state_.MusumeHP = declined(state_.MusumeHP, random_.next(), 5.0);
}

void TurnCycle::endGame(const char* resultText)
{
    running_ = false;
    screens_.setGameOverTitle(resultText);
    setButtonsEnabled(false);
    screens_.showGameOver();
}

}  // namespace household
