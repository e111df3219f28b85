#pragma once

#include "frmDialog.h"
#include "window_queries.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

inline QList<frmDialog*> openChoiceDialogs()
{
    return visibleWindows<frmDialog>();
}

// Runs answer on the dialog once ShowChoiceDialog is waiting for it. A dialog
// that answer leaves open stays open for the test to see; five seconds later
// the test fails and the dialog is cancelled, so a failing test can neither
// hang nor pass, and the tests after it still run.
inline void whenChoiceDialogOpens(std::function<void(frmDialog*)> answer, int triesLeft = 100)
{
    QTimer::singleShot(0, [answer, triesLeft] {
        const auto open = openChoiceDialogs();
        if (open.isEmpty() && triesLeft > 0)
            return whenChoiceDialogOpens(answer, triesLeft - 1);
        if (open.size() != 1) {
            qWarning("expected one open choice dialog, found %d", int(open.size()));
            return;
        }
        QPointer<frmDialog> dialog = open.front();
        answer(dialog);
        QTimer::singleShot(5000, [dialog] {
            if (!dialog || !dialog->isVisible())
                return;
            QTest::qFail("a choice dialog was left open", __FILE__, __LINE__);
            dialog->reject();
        });
    });
}

// Answers the next dialogs in turn: 1 or 2 for an option, -1 for キャンセル.
inline void answerChoiceDialogs(QList<int> answers)
{
    if (answers.isEmpty())
        return;
    whenChoiceDialogOpens([answers](frmDialog* dialog) mutable {
        const int answer = answers.takeFirst();
        answerChoiceDialogs(answers);
        if (answer == -1)
            dialog->findChild<QPushButton*>("CancelButton")->click();
        else
            dialog->btnButton(answer - 1)->click();
    });
}
