#pragma once

#include <cstdint>
#include <string>

namespace household {

// The two-choice dialog as the actions see it. Texts are UTF-8.
class ChoicePrompt {
public:
    virtual ~ChoicePrompt() = default;

    // 1 or 2 for the option chosen, -1 for Cancel (or a dialog that went away).
    virtual std::int16_t ShowChoiceDialog(const std::string& prompt, const std::string& option1,
                                          const std::string& option2) = 0;
    // Ends a pending ShowChoiceDialog as if Cancel had been pressed; no-op when none is pending.
    virtual void cancelPending() = 0;
    // Brings the pending dialog to the player's attention (front, focus); no-op when none is pending.
    virtual void raisePending() = 0;
};

}  // namespace household
