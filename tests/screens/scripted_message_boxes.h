#pragma once

#include "message_boxes.h"

#include <QStringList>

// Answers every message box: OK boxes with OK, Yes/No boxes with yesNoAnswer.
// Records each text.
class ScriptedMessageBoxes final : public runtime::MessageBoxes {
public:
    QStringList texts;
    runtime::MessageBoxAnswer yesNoAnswer = runtime::MessageBoxAnswer::No;

    runtime::MessageBoxAnswer show(const QString& text, runtime::MessageBoxButtons buttons, QWidget*) override
    {
        texts << text;
        return buttons == runtime::MessageBoxButtons::YesNo ? yesNoAnswer : runtime::MessageBoxAnswer::Ok;
    }
};
