#include "dialog_choice_prompt.h"

#include "basNabrel.h"
#include "frmDialog.h"

std::int16_t DialogChoicePrompt::ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                                  const std::string& option2)
{
    pending_ = openChoiceDialog(QString::fromStdString(prompt), QString::fromStdString(option1),
                                QString::fromStdString(option2), owner_);
    return awaitChoice(pending_);
}

void DialogChoicePrompt::cancelPending()
{
    if (pending_)
        pending_->reject();
}

void DialogChoicePrompt::raisePending()
{
    if (!pending_)
        return;
    pending_->raise();
    pending_->activateWindow();
}
