#pragma once

#include "frmDialog.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// The choice dialogs open on screen now (closed ones may await deletion).
inline QList<frmDialog*> OpenChoiceDialogs()
{
    QList<frmDialog*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<frmDialog*>(window); dialog && dialog->isVisible())
            open << dialog;
    return open;
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
