#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace runtime {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

// A blocking one-line box with the warning icon, captioned with the game's title.
MessageBoxAnswer ShowMessageBox(const QString& text, MessageBoxButtons buttons, QWidget* parent = nullptr);

// Tests answer boxes through this instead of a real modal box; an empty
// function restores the real ones. Returns the responder it replaced.
using MessageBoxResponder = std::function<MessageBoxAnswer(const QString& text, MessageBoxButtons buttons)>;
MessageBoxResponder SetMessageBoxResponder(MessageBoxResponder responder);

}  // namespace runtime
