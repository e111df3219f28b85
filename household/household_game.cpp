#include "household_game.h"

namespace household {

HouseholdGame::HouseholdGame(HouseholdState& state, RandomSource& random, ChoicePrompt& prompt,
                             WarningBox& warnings, TurnScreens& screens)
    : prompt_(prompt), turnCycle_(state, random, screens), actions_(state, prompt, warnings, random)
{
}

void HouseholdGame::start()
{
    if (actionPending_)
        prompt_.cancelPending();
    turnCycle_.start();
}

void HouseholdGame::close()
{
    turnCycle_.abandon();
    if (actionPending_)
        prompt_.cancelPending();
}

void HouseholdGame::runAction(void (HouseholdActions::*action)())
{
    if (actionPending_) {
        prompt_.raisePending();
        return;
    }
    actionPending_ = true;
    (actions_.*action)();
    actionPending_ = false;
    turnCycle_.onActionReturned();
}

}  // namespace household
