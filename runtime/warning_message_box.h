#pragma once

#include "message_boxes.h"
#include "warning_box.h"

namespace runtime {

// The actions' warnings as message boxes with an OK button.
class WarningMessageBox final : public household::WarningBox {
public:
    explicit WarningMessageBox(MessageBoxes& boxes) : boxes_(boxes) {}

    void showWarning(const std::string& text) override;

private:
    MessageBoxes& boxes_;
};

}  // namespace runtime
