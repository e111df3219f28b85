#pragma once

#include "desktop/motion_preference.h"
#include "household/random_source.h"
#include "screens/message_boxes.h"

// What the windows take from the program: the one random sequence, the
// message boxes and the player's motion preference. main() makes them; each
// window hands them on to the windows it opens.
struct GameServices {
    household::RandomSource& random;
    screens::MessageBoxes& boxes;
    desktop::MotionPreference& motion;
};
