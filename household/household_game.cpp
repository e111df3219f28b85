#include "household_game.h"

namespace household {

HouseholdGame::HouseholdGame(RandomSource& random, ChoicePrompt& prompt, WarningBox& warnings,
                             TurnScreens& screens)
    : prompt_(prompt), turnCycle_(state_, random, screens), actions_(state_, prompt, warnings, random)
{
}

void HouseholdGame::Start()
{
    if (actionPending_)
        prompt_.CancelPending();
    turnCycle_.Start();
}

void HouseholdGame::Close()
{
    turnCycle_.Abandon();
    if (actionPending_)
        prompt_.CancelPending();
}

void HouseholdGame::RunAction(void (HouseholdActions::*action)())
{
    if (actionPending_) {
        prompt_.RaisePending();
        return;
    }
    actionPending_ = true;
    (actions_.*action)();
    actionPending_ = false;
    turnCycle_.OnActionReturned();
}

}  // namespace household
