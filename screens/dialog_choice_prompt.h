#pragma once

#include "choice_prompt.h"

// The actions' questions, asked through the real choice dialog.
class DialogChoicePrompt final : public household::ChoicePrompt {
public:
    std::int16_t ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                  const std::string& option2) override;
    void CancelPending() override;
};
