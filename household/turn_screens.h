#pragma once

#include <string>

namespace household {

enum class ActionButton { Roudou, Kaimono, Shokuji };

enum class StatusLabel { Day, CupMenValue, ShoyuValue, MoneyValue, HahaHP, MusumeHP };

// The four things the turn cycle asks of the screens; it reads nothing back.
class TurnScreens {
public:
    virtual ~TurnScreens() = default;

    virtual void setActionButtonEnabled(ActionButton button, bool enabled) = 0;
    virtual void setStatusCaption(StatusLabel label, const std::string& text) = 0;
    // Creates the game-over screen when it is not open.
    virtual void setGameOverTitle(const std::string& text) = 0;
    virtual void showGameOver() = 0;
};

}  // namespace household
