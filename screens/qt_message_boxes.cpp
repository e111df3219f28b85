#include "screens/qt_message_boxes.h"

#include "screens/focus_keeper.h"
#include "screens/window_frames.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace screens {

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

void QtMessageBoxes::open(const QString& text, MessageBoxButtons buttons, QWidget* owner, Answered answered)
{
    const bool yesNo = buttons == MessageBoxButtons::YesNo;
    auto* box = new QMessageBox(QMessageBox::Warning, appTitle(), text,
                                yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
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
    if (answered)
        QObject::connect(
            box, &QDialog::finished, box,
            [box, yesNo, answered = std::move(answered)] {
                // Esc and a close from outside press no button: that is no.
                if (!yesNo)
                    answered(MessageBoxAnswer::Ok);
                else
                    answered(box->clickedButton() == box->button(QMessageBox::Yes) ? MessageBoxAnswer::Yes
                                                                                    : MessageBoxAnswer::No);
            },
            Qt::SingleShotConnection);
    keepFocusWhileOpen(*box);
    box->QDialog::open();  // window-modal over its owner
}

}  // namespace screens
