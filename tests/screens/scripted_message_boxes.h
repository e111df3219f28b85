#pragma once

#include "message_box.h"

#include <QStringList>

// Answers every message box while alive: OK boxes with OK, Yes/No boxes with
// yesNoAnswer. Records each text.
class ScriptedMessageBoxes {
public:
    QStringList texts;
    runtime::MessageBoxAnswer yesNoAnswer = runtime::MessageBoxAnswer::No;

    ScriptedMessageBoxes()
    {
        previous_ = runtime::SetMessageBoxResponder([this](const QString& text, runtime::MessageBoxButtons buttons) {
            texts << text;
            return buttons == runtime::MessageBoxButtons::YesNo ? yesNoAnswer : runtime::MessageBoxAnswer::Ok;
        });
    }
    ~ScriptedMessageBoxes() { runtime::SetMessageBoxResponder(previous_); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

private:
    runtime::MessageBoxResponder previous_;
};
