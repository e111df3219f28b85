#pragma once

#include "frmDialog.h"
#include "window_queries.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

inline QList<frmDialog*> OpenChoiceDialogs()
{
    return VisibleWindows<frmDialog>();
}

// Runs answer on the dialog once ShowChoiceDialog is waiting for it. A dialog
// that answer leaves open (a failed check returns early) is closed, so a
// failing test cannot hang.
inline void WhenChoiceDialogOpens(std::function<void(frmDialog*)> answer, int triesLeft = 100)
{
    QTimer::singleShot(0, [answer, triesLeft] {
        const auto open = OpenChoiceDialogs();
        if (open.isEmpty() && triesLeft > 0)
            return WhenChoiceDialogOpens(answer, triesLeft - 1);
        if (open.size() != 1) {
            qWarning("expected one open choice dialog, found %d", int(open.size()));
            return;
        }
        QPointer<frmDialog> dialog = open.front();
        answer(dialog);
        if (dialog && dialog->isVisible())
            dialog->close();
    });
}

// Answers the next dialogs in turn: 1 or 2 for an option, -1 for キャンセル.
inline void AnswerChoiceDialogs(QList<int> answers)
{
    if (answers.isEmpty())
        return;
    WhenChoiceDialogOpens([answers](frmDialog* dialog) mutable {
        const int answer = answers.takeFirst();
        AnswerChoiceDialogs(answers);
        if (answer == -1)
            dialog->CancelButton()->click();
        else
            dialog->btnButton(answer - 1)->click();
    });
}
