#include "household/household_game.h"

namespace household {

HouseholdGame::HouseholdGame(HouseholdState& state, RandomSource& random, GameScreens& screens,
                             WarningBox& warnings)
    : screens_(screens), turnCycle_(state, random, screens), actions_(state, screens, warnings, random)
{
}

void HouseholdGame::start()
{
    if (actions_.questionPending()) {
        actions_.drop();
        screens_.dropChoiceDialog();
    }
    turnCycle_.start();
}

void HouseholdGame::answer(std::int16_t choice)
{
    if (!actions_.questionPending())
        return;
    actions_.answer(choice);
    closeDayUnlessAsking();
}

void HouseholdGame::act(void (HouseholdActions::*action)())
{
    if (actions_.questionPending()) {
        screens_.raiseChoiceDialog();
        return;
    }
    (actions_.*action)();
    closeDayUnlessAsking();
}

void HouseholdGame::closeDayUnlessAsking()
{
    // The meal asks twice: its day closes only after the second answer.
    if (!actions_.questionPending())
        turnCycle_.onActionReturned();
}

}  // namespace household
