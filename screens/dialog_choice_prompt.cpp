#include "dialog_choice_prompt.h"

#include "basNabrel.h"

std::int16_t DialogChoicePrompt::ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                                  const std::string& option2)
{
    return ::ShowChoiceDialog(QString::fromStdString(prompt), QString::fromStdString(option1),
                              QString::fromStdString(option2), owner_);
}

void DialogChoicePrompt::cancelPending()
{
    cancelChoiceDialog();
}

void DialogChoicePrompt::raisePending()
{
    raiseChoiceDialog();
}
