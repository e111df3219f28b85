#include "screens/basNabrel.h"

#include "desktop/minimised_windows.h"
#include "screens/focus_keeper.h"
#include "screens/frmDialog.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The choice dialog's last answer: 0 while a dialog waits for one, 1 or 2
// for the option chosen, -1 for キャンセル.
std::int16_t DialogResult = 0;

}  // namespace

frmDialog* ShowChoiceDialog(const QString& prompt, const QString& option1, const QString& option2, QWidget* owner,
                            std::function<void(std::int16_t)> answered)
{
    auto* dialog = new frmDialog(owner);
    dialog->lblLabel()->setText(prompt);
    dialog->btnButton(0)->setText(option1);
    dialog->btnButton(1)->setText(option2);
    DialogResult = 0;
    // finished comes once the dialog is hidden, and never from its destructor;
    // only the first answer counts (a closed dialog awaiting deletion still has buttons).
    QObject::connect(
        dialog, &QDialog::finished, dialog,
        [answered = std::move(answered)](int result) {
            DialogResult = static_cast<std::int16_t>(result);
            answered(DialogResult);
        },
        Qt::SingleShotConnection);
    dialog->show();
    screens::keepFocusWhileOpen(*dialog);
    if (owner)
        desktop::returnWithOwner(*dialog, *owner);
    return dialog;
}
