#pragma once

#include "warning_box.h"

namespace runtime {

// The actions' warnings as real message boxes with an OK button.
class WarningMessageBox final : public household::WarningBox {
public:
    void ShowWarning(const std::string& text) override;
};

}  // namespace runtime
