#pragma once

#include "message_boxes.h"
#include "warning_box.h"

namespace runtime {

// The actions' warnings as message boxes with an OK button, owned by the
// window whose action raised them.
class WarningMessageBox final : public household::WarningBox {
public:
    WarningMessageBox(MessageBoxes& boxes, QWidget* owner) : boxes_(boxes), owner_(owner) {}

    void showWarning(const std::string& text) override;

private:
    MessageBoxes& boxes_;
    QWidget* owner_;
};

}  // namespace runtime
