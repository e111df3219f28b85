#pragma once

#include <optional>

namespace runtime {

// Whether the player asked for less motion: a photosensitive player's
// request, made once for all programs on the desktop or on the command line.
// The game-over screen then changes its colour calmly instead of flashing.
class MotionPreference {
public:
    virtual ~MotionPreference() = default;

    virtual bool reduceMotion() = 0;
};

// The desktop's answer, read anew on every call: Windows' animation effects,
// the settings portal, XSETTINGS, KDE's animation speed. Any one asking for
// less motion is enough; a source that is missing says nothing. The command
// line's choice, when there is one, overrides them all.
class DesktopMotionPreference final : public MotionPreference {
public:
    explicit DesktopMotionPreference(std::optional<bool> commandLine) : commandLine_(commandLine) {}

    bool reduceMotion() override;

private:
    std::optional<bool> commandLine_;
};

}  // namespace runtime
