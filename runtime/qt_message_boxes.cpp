#include "qt_message_boxes.h"

#include "window_helpers.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace runtime {

namespace {

// Beside its caption a title bar holds the window's icon and up to three
// buttons; openbox's default theme needs about this much for them.
constexpr int kTitleBarButtonsWidth = 100;

// A desktop message box is at least as wide as its caption needs.
void widenToCaption(QMessageBox& box)
{
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int needed = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

MessageBoxAnswer QtMessageBoxes::show(const QString& text, MessageBoxButtons buttons, QWidget* owner)
{
    const bool yesNo = buttons == MessageBoxButtons::YesNo;
    // On the heap: a box whose owner is destroyed under it goes with the owner.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, appTitle(), text,
                                                yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    // A Japanese desktop's words, whatever the locale and Qt's installed translations.
    if (yesNo) {
        box->button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box->button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
        // Enter says yes and Esc no, in whatever order the desktop's theme puts the buttons.
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    widenToCaption(*box);
    open_.append(box);
    keepFocusWhileOpen(*box);
    const int answer = box->exec();
    open_.removeAll(box);
    delete box;
    if (!yesNo)
        return MessageBoxAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

void QtMessageBoxes::closeOpen(const QWidget* owner, MessageBoxAnswer answer)
{
    const int code = answer == MessageBoxAnswer::Yes ? QMessageBox::Yes
                     : answer == MessageBoxAnswer::No ? QMessageBox::No
                                                      : QMessageBox::Ok;
    for (const QPointer<QMessageBox>& box : std::as_const(open_))
        if (box && box->parentWidget() == owner)
            box->done(code);
}

}  // namespace runtime
