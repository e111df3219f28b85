#pragma once

#include "message_boxes.h"
#include "motion_preference.h"
#include "random_source.h"

// What the windows take from the program: the one random sequence, the
// message boxes and the player's motion preference. main() makes them; each
// window hands them on to the windows it opens.
struct GameServices {
    household::RandomSource& random;
    runtime::MessageBoxes& boxes;
    runtime::MotionPreference& motion;
};
