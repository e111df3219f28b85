#pragma once

#include "frmDialog.h"

#include <QApplication>
#include <QPointer>
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
inline void WhenChoiceDialogOpens(std::function<void(frmDialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        const auto open = OpenChoiceDialogs();
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
