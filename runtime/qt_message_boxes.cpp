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

MessageBoxAnswer QtMessageBoxes::show(const QString& text, MessageBoxButtons buttons, QWidget* parent)
{
    const bool yesNo = buttons == MessageBoxButtons::YesNo;
    QMessageBox box(QMessageBox::Warning, appTitle(), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // A Japanese desktop's words, whatever the locale and Qt's installed translations.
    if (yesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    } else {
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    widenToCaption(box);
    const int answer = box.exec();
    if (!yesNo)
        return MessageBoxAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

MessageBoxes& realMessageBoxes()
{
    static QtMessageBoxes boxes;
    return boxes;
}

}  // namespace runtime
