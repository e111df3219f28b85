#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;
class frmDialog;

// Opens a freshly created choice dialog, owned by (kept above) owner, and
// returns it at once. Once the dialog has closed, answered gets its answer:
// 1, 2, or -1 for キャンセル and for a close from outside. A dialog that goes
// with its owner answers nothing.
frmDialog* ShowChoiceDialog(const QString& prompt, const QString& option1, const QString& option2, QWidget* owner,
                            std::function<void(std::int16_t)> answered);
