#pragma once

#include "desktop/motion_preference.h"
#include "desktop/portal_motion_setting.h"

#include <memory>
#include <optional>

namespace desktop {

// The desktop's answer: Windows' animation effects, KDE's animation speed
// and XSETTINGS, read anew on every call, and the settings portal's latest
// word. Any one asking for less motion is enough; a source that is missing
// says nothing. The command line's choice, when there is one, overrides them
// all, and then nothing is asked.
class DesktopMotionPreference final : public MotionPreference {
public:
    // After the application: the portal is asked from the event loop.
    explicit DesktopMotionPreference(std::optional<bool> commandLine);
    ~DesktopMotionPreference() override;

    bool reduceMotion() override;

private:
    std::optional<bool> commandLine_;
    std::unique_ptr<PortalMotionSetting> portal_;
};

}  // namespace desktop
