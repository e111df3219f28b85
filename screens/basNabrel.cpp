#include "basNabrel.h"

#include "frmDialog.h"
#include "window_helpers.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

std::int16_t DialogResult = 0;

std::int16_t ShowChoiceDialog(const QString& prompt, const QString& option1, const QString& option2,
                              QWidget* owner)
{
    return awaitChoice(openChoiceDialog(prompt, option1, option2, owner));
}

frmDialog* openChoiceDialog(const QString& prompt, const QString& option1, const QString& option2, QWidget* owner)
{
    auto* dialog = new frmDialog(owner);
    dialog->lblLabel()->setText(prompt);
    dialog->btnButton(0)->setText(option1);
    dialog->btnButton(1)->setText(option2);
    dialog->show();
    runtime::keepFocusWhileOpen(*dialog);
    return dialog;
}

std::int16_t awaitChoice(frmDialog* dialog)
{
    DialogResult = 0;
    int answer = -1;  // unless the dialog finishes with one
    QPointer<frmDialog> open(dialog);
    QEventLoop wait;
    QObject::connect(dialog, &QDialog::finished, &wait, [&answer, &wait](int result) {
        answer = result;
        wait.quit();
    });
    QObject::connect(dialog, &QObject::destroyed, &wait, &QEventLoop::quit);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &wait, &QEventLoop::quit);
    wait.exec();

    // The application quitting ends every event loop, the dialog's wait included.
    if (open && open->isVisible())
        open->reject();
    DialogResult = static_cast<std::int16_t>(answer);
    return DialogResult;
}
