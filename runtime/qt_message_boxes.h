#pragma once

#include "message_boxes.h"

namespace runtime {

// Real QMessageBox boxes, in a Japanese desktop's words and as wide as their caption.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageBoxAnswer show(const QString& text, MessageBoxButtons buttons, QWidget* parent) override;
};

// The program's one instance.
MessageBoxes& realMessageBoxes();

}  // namespace runtime
