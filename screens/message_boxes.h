#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace screens {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

// The game's message boxes: one line of text, the warning icon, the game's
// title as caption, window-modal over their owner. Windows take them the way
// they take RandomSource.
class MessageBoxes {
public:
    using Answered = std::function<void(MessageBoxAnswer)>;

    virtual ~MessageBoxes() = default;

    // Opens a box and returns at once; answered, when given, gets the button
    // pressed once the box has closed. A box that goes with its owner answers nothing.
    virtual void open(const QString& text, MessageBoxButtons buttons, QWidget* owner, Answered answered) = 0;
};

}  // namespace screens
