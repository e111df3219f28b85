#pragma once

#include <QString>

class QWidget;

namespace runtime {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

// The game's message boxes: blocking, one line of text, the warning icon, the
// game's title as caption, owned by (opened over and kept above) their owner.
// Windows take them the way they take RandomSource.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    virtual MessageBoxAnswer show(const QString& text, MessageBoxButtons buttons, QWidget* owner) = 0;
    // Ends every box still open over owner as if answer had been given (an OK
    // box answers OK whatever it is given); the show() calls then return.
    virtual void closeOpen(const QWidget* owner, MessageBoxAnswer answer) = 0;
};

}  // namespace runtime
