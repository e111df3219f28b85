#include "basNabrel.h"

#include "frmDialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

std::int16_t DialogResult = 0;

namespace {

QPointer<frmDialog> pendingDialog;

}  // namespace

std::int16_t ShowChoiceDialog(const QString& prompt, const QString& option1, const QString& option2,
                              QWidget* owner)
{
    auto* dialog = new frmDialog(owner);
    dialog->lblLabel()->setText(prompt);
    dialog->btnButton(0)->setText(option1);
    dialog->btnButton(1)->setText(option2);
    DialogResult = 0;
    dialog->show();
    dialog->activateWindow();

    pendingDialog = dialog;
    QEventLoop wait;
    QObject::connect(dialog, &frmDialog::closed, &wait, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &wait, &QEventLoop::quit);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &wait, &QEventLoop::quit);
    wait.exec();

    // The application quitting ends every event loop, the dialog's wait included.
    if (pendingDialog && pendingDialog->isVisible())
        pendingDialog->close();
    pendingDialog = nullptr;
    if (DialogResult == 0)
        DialogResult = -1;
    return DialogResult;
}

void cancelChoiceDialog()
{
    if (pendingDialog)
        pendingDialog->reject();
}

void raiseChoiceDialog()
{
    if (!pendingDialog)
        return;
    pendingDialog->raise();
    pendingDialog->activateWindow();
}
