#include "motion_preference.h"

#include "motion_sources.h"

namespace runtime {

bool DesktopMotionPreference::reduceMotion()
{
    if (commandLine_)
        return *commandLine_;
    // The quick local sources first; the portal, a call to another process, last.
    for (const auto read : {&motion::readWindowsAnimations, &motion::readKdeGlobals, &motion::readXSettings,
                            &motion::readPortal})
        if (read().value_or(false))
            return true;
    return false;
}

}  // namespace runtime
