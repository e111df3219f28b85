#pragma once

namespace desktop {

// Whether the player asked for less motion: a photosensitive player's
// request, made once for all programs on the desktop or on the command line.
// The game-over screen then changes its colour calmly instead of flashing.
class MotionPreference {
public:
    virtual ~MotionPreference() = default;

    // Answers at once: never waits on another process.
    virtual bool reduceMotion() = 0;
};

}  // namespace desktop
