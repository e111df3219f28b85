#pragma once

#include <string>

namespace household {

enum class ActionButton { Roudou, Kaimono, Shokuji };

enum class StatusLabel { Day, CupMenValue, ShoyuValue, MoneyValue, HahaHP, MusumeHP };

// The four things the turn cycle asks of the screens; it reads nothing back.
class TurnScreens {
public:
    virtual ~TurnScreens() = default;

    virtual void SetActionButtonEnabled(ActionButton button, bool enabled) = 0;
    virtual void SetStatusCaption(StatusLabel label, const std::string& text) = 0;
    // Creates the game-over screen when it is not open.
    virtual void SetGameOverTitle(const std::string& text) = 0;
    virtual void ShowGameOver() = 0;
};

}  // namespace household
