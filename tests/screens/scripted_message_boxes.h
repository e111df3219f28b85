#pragma once

#include "message_boxes.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

// Answers every message box: OK boxes with OK, Yes/No boxes with yesNoAnswer,
// a box closed by closeOpen() while open with closeOpen's answer. Records each
// text, and how often closeOpen() was asked while a box was open.
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
        if (auto closed = std::exchange(closedWith_, std::nullopt))
            return *closed;
        return buttons == runtime::MessageBoxButtons::YesNo ? yesNoAnswer : runtime::MessageBoxAnswer::Ok;
    }

    void closeOpen(const QWidget*, runtime::MessageBoxAnswer answer) override
    {
        if (open_ == 0)
            return;
        ++closedWhileOpen;
        closedWith_ = answer;
    }

private:
    int open_ = 0;
    std::optional<runtime::MessageBoxAnswer> closedWith_;
};
