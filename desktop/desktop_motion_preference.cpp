#include "desktop/desktop_motion_preference.h"

#include "desktop/motion_sources.h"

namespace desktop {

DesktopMotionPreference::DesktopMotionPreference(std::optional<bool> commandLine) : commandLine_(commandLine)
{
    if (!commandLine_)
        portal_ = std::make_unique<PortalMotionSetting>();
}

DesktopMotionPreference::~DesktopMotionPreference() = default;

bool DesktopMotionPreference::reduceMotion()
{
    if (commandLine_)
        return *commandLine_;
    return motion::readWindowsAnimations().value_or(false) || motion::readKdeGlobals().value_or(false) ||
           motion::readXSettings().value_or(false) || portal_->reduceMotion().value_or(false);
}

}  // namespace desktop
