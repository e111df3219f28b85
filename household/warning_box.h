#pragma once

#include <string>

namespace household {

// A blocking one-line warning with an OK button. Text is UTF-8.
class WarningBox {
public:
    virtual ~WarningBox() = default;

    virtual void showWarning(const std::string& text) = 0;
};

}  // namespace household
