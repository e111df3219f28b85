#include "frmDialog.h"

#include "basNabrel.h"
#include "design_fonts.h"
#include "ui_frmDialog.h"
#include "window_helpers.h"

#include <QCloseEvent>

using runtime::TwipsToPixels;

frmDialog::frmDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::frmDialog>())
{
    ui_->setupUi(this);
    runtime::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    btnButton_ = {ui_->btnButton_0, ui_->btnButton_1};
    for (std::size_t i = 0; i < btnButton_.size(); ++i) {
        btnButton_[i]->setObjectName(QStringLiteral("btnButton(%1)").arg(i));
        connect(btnButton_[i], &QPushButton::clicked, this,
                [this, i] { btnButton_Click(static_cast<std::int16_t>(i)); });
    }
    connect(ui_->CancelButton, &QPushButton::clicked, this, &frmDialog::CancelButton_Click);

    // The design fixes the client area on the screen, wherever the main window is.
    setGeometry(TwipsToPixels(2760), TwipsToPixels(3750), TwipsToPixels(4050), TwipsToPixels(1410));
    setFixedSize(size());
    btnButton_[0]->setFocus();
}

frmDialog::~frmDialog() = default;

QLabel* frmDialog::lblLabel() const
{
    return ui_->lblLabel;
}

QPushButton* frmDialog::CancelButton() const
{
    return ui_->CancelButton;
}

void frmDialog::reject()
{
    CancelButton_Click();
}

void frmDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void frmDialog::btnButton_Click(std::int16_t index)
{
    DialogResult = static_cast<std::int16_t>(index + 1);
    close();
}

void frmDialog::CancelButton_Click()
{
    DialogResult = -1;
    close();
}
