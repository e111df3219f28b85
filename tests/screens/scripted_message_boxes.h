#pragma once

#include "message_boxes.h"

#include <QStringList>

#include <functional>

// Answers every message box: OK boxes with OK, Yes/No boxes with yesNoAnswer.
// Records each text, and what closeOpen() was asked while a box was open.
class ScriptedMessageBoxes final : public runtime::MessageBoxes {
public:
    QStringList texts;
    runtime::MessageBoxAnswer yesNoAnswer = runtime::MessageBoxAnswer::No;
    // Runs while a box is open, before it is answered (and then cleared).
    std::function<void()> whileOpen;
    int closedWhileOpen = 0;

    runtime::MessageBoxAnswer show(const QString& text, runtime::MessageBoxButtons buttons, QWidget*) override
    {
        texts << text;
        ++open_;
        if (auto run = std::exchange(whileOpen, nullptr))
            run();
        --open_;
        return buttons == runtime::MessageBoxButtons::YesNo ? yesNoAnswer : runtime::MessageBoxAnswer::Ok;
    }

    void closeOpen(const QWidget*, runtime::MessageBoxAnswer) override { closedWhileOpen += open_ > 0; }

private:
    int open_ = 0;
};
