#pragma once

#include "message_boxes.h"

namespace runtime {

// Real QMessageBox boxes, in a Japanese desktop's words and as wide as their caption.
class QtMessageBoxes final : public MessageBoxes {
public:
    void open(const QString& text, MessageBoxButtons buttons, QWidget* owner, Answered answered) override;
};

}  // namespace runtime
