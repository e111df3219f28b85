#pragma once

#include "screens/frmDialog.h"
#include "tests/screens/window_queries.h"

#include <QPushButton>

inline QList<frmDialog*> openChoiceDialogs()
{
    return visibleWindows<frmDialog>();
}

// Answers the one open choice dialog as a click would: 1 or 2 for an option,
// -1 for キャンセル. False when not exactly one is open.
inline bool answerChoiceDialog(int answer)
{
    const QList<frmDialog*> open = openChoiceDialogs();
    if (open.size() != 1)
        return false;
    if (answer == -1)
        open.front()->findChild<QPushButton*>("CancelButton")->click();
    else
        open.front()->btnButton(answer - 1)->click();
    return true;
}
