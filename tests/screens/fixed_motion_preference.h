#pragma once

#include "desktop/motion_preference.h"

// A player's motion preference as the test sets it; counts how often it was asked.
class FixedMotionPreference final : public desktop::MotionPreference {
public:
    bool reduce = false;
    int asked = 0;

    bool reduceMotion() override
    {
        ++asked;
        return reduce;
    }
};
