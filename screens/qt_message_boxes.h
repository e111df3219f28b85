#pragma once

#include "screens/message_boxes.h"

namespace screens {

// Real QMessageBox boxes, in a Japanese desktop's words and as wide as their caption.
class QtMessageBoxes final : public MessageBoxes {
public:
    void open(const QString& text, MessageBoxButtons buttons, QWidget* owner, Answered answered) override;
};

}  // namespace screens
