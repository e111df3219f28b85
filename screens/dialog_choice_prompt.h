#pragma once

#include "choice_prompt.h"

#include <QPointer>

class QWidget;
class frmDialog;

// The actions' questions, asked through the real choice dialog, owned by owner.
class DialogChoicePrompt final : public household::ChoicePrompt {
public:
    explicit DialogChoicePrompt(QWidget* owner = nullptr) : owner_(owner) {}

    std::int16_t ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                  const std::string& option2) override;
    void cancelPending() override;
    void raisePending() override;

private:
    QWidget* owner_;
    QPointer<frmDialog> pending_;
};
