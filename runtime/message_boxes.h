#pragma once

#include <QString>

class QWidget;

namespace runtime {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

// The game's message boxes: blocking, one line of text, the warning icon, the
// game's title as caption. Windows take them the way they take RandomSource.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    virtual MessageBoxAnswer show(const QString& text, MessageBoxButtons buttons, QWidget* parent) = 0;
};

}  // namespace runtime
