#pragma once

#include <QString>

#include <cstdint>

class QWidget;

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

// Answers a pending choice with Cancel; does nothing when none is pending.
void cancelChoiceDialog();

// Brings a pending choice dialog to the front and gives it the focus.
void raiseChoiceDialog();
