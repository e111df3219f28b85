#include "message_box.h"

#include "window_helpers.h"

#include <QMessageBox>

#include <utility>

namespace runtime {

namespace {

MessageBoxResponder& Responder()
{
    static MessageBoxResponder responder;
    return responder;
}

}  // namespace

MessageBoxAnswer ShowMessageBox(const QString& text, MessageBoxButtons buttons, QWidget* parent)
{
    if (Responder())
        return Responder()(text, buttons);

    const bool yesNo = buttons == MessageBoxButtons::YesNo;
    QMessageBox box(QMessageBox::Warning, AppTitle(), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo)
        return MessageBoxAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

MessageBoxResponder SetMessageBoxResponder(MessageBoxResponder responder)
{
    return std::exchange(Responder(), std::move(responder));
}

}  // namespace runtime
