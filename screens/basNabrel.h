#pragma once

#include <QString>

#include <cstdint>

class QWidget;
class frmDialog;

// The answer of the choice dialog: 0 while none has been given, 1 or 2 for the
// option chosen, -1 for Cancel.
extern std::int16_t DialogResult;

// Asks through a freshly created choice dialog and waits, without busy
// looping, until it has closed: 1, 2 or -1. A dialog that goes away without
// an answer (window manager, application quitting) counts as -1.
// One question at a time: callers must not ask again while a choice is pending.
// The dialog is owned by (kept above) owner, when one is given.
std::int16_t ShowChoiceDialog(const QString& prompt, const QString& option1, const QString& option2,
                              QWidget* owner = nullptr);

// ShowChoiceDialog's two halves, for a caller that keeps the pending dialog:
// opens the dialog with the keyboard, then waits for its answer.
frmDialog* openChoiceDialog(const QString& prompt, const QString& option1, const QString& option2, QWidget* owner);
std::int16_t awaitChoice(frmDialog* dialog);
