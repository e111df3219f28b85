#pragma once

#include <string>

namespace household {

// A one-line warning with an OK button. Text is UTF-8. Opens and returns at
// once: nothing follows a warning, so nothing waits for its OK.
class WarningBox {
public:
    virtual ~WarningBox() = default;

    virtual void showWarning(const std::string& text) = 0;
};

}  // namespace household
