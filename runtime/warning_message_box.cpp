#include "warning_message_box.h"

namespace runtime {

void WarningMessageBox::showWarning(const std::string& text)
{
    boxes_.show(QString::fromStdString(text), MessageBoxButtons::Ok, owner_);
}

}  // namespace runtime
