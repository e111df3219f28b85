#pragma once

#include <cstdint>
#include <string>

namespace household {

// Booleans are stored as 16-bit integers: -1 is true, 0 is false.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The whole model of play. Owned by the main window; all counters are 0 and
// TurnEnded is false until the first game starts.
struct HouseholdState {
    std::int16_t HahaHP = 0;    // mother's stamina; below 0 she has starved
    std::int16_t MusumeHP = 0;  // daughter's stamina; below 0 she has frozen
    std::int16_t CupMen = 0;    // cup noodles, pieces
    std::int16_t Shoyu = 0;     // soy sauce, cc
    std::int32_t Money = 0;     // yen; -1 marks the mother's arrest
    std::int16_t TurnEnded = kFalse;

    // Start values of a new game, written in the order the game has always
    // used. TurnEnded is left alone: the turn cycle clears it itself.
    void reset();

    bool turnEnded() const { return TurnEnded != kFalse; }
};

// Plain decimal, "-" before negatives, no padding or separators.
std::string displayText(std::int32_t value);

}  // namespace household
