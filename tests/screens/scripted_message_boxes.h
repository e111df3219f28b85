#pragma once

#include "screens/message_boxes.h"

#include <QPointer>
#include <QTest>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <utility>

// Records every message box and keeps it open until the test answers it. A
// box whose owner has gone has gone with it.
class ScriptedMessageBoxes final : public screens::MessageBoxes {
public:
    QStringList texts;

    void open(const QString& text, screens::MessageBoxButtons, QWidget* owner, Answered answered) override
    {
        texts << text;
        open_.push_back({owner, std::move(answered)});
    }

    // Answers the oldest box still open; false when none is.
    bool answer(screens::MessageBoxAnswer answer)
    {
        while (!open_.empty()) {
            auto [owner, answered] = std::move(open_.front());
            open_.pop_front();
            if (!owner)
                continue;
            if (answered)
                answered(answer);
            return true;
        }
        return false;
    }

private:
    std::deque<std::pair<QPointer<QWidget>, Answered>> open_;
};

// Closes the main window as its frame's close box does, answers はい (after
// OK to any box still open before the question) and waits until the window is
// destroyed. False when it is still there after the generous deadline.
inline bool quitAndAwaitDestruction(QWidget* window, ScriptedMessageBoxes& boxes)
{
    QPointer<QWidget> guard = window;
    guard->close();
    while (boxes.answer(screens::MessageBoxAnswer::Yes)) {
    }
    return QTest::qWaitFor([&guard] { return guard.isNull(); }, 30000);
}
