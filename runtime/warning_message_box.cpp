#include "warning_message_box.h"

#include "message_box.h"

#include <QApplication>

namespace runtime {

void WarningMessageBox::ShowWarning(const std::string& text)
{
    ShowMessageBox(QString::fromStdString(text), MessageBoxButtons::Ok, QApplication::activeWindow());
}

}  // namespace runtime
