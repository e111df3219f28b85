#include "warning_message_box.h"

#include <QApplication>

namespace runtime {

void WarningMessageBox::showWarning(const std::string& text)
{
    boxes_.show(QString::fromStdString(text), MessageBoxButtons::Ok, QApplication::activeWindow());
}

}  // namespace runtime
