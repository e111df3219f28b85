#pragma once

#include "message_boxes.h"

#include <QList>
#include <QPointer>

class QMessageBox;

namespace runtime {

// Real QMessageBox boxes, in a Japanese desktop's words and as wide as their caption.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageBoxAnswer show(const QString& text, MessageBoxButtons buttons, QWidget* owner) override;
    void closeOpen(const QWidget* owner, MessageBoxAnswer answer) override;

private:
    QList<QPointer<QMessageBox>> open_;
};

}  // namespace runtime
