#include "frmDialog.h"

#include "basNabrel.h"
#include "design_fonts.h"
#include "ui_frmDialog.h"
#include "window_helpers.h"

#include <QCloseEvent>

using runtime::twipsToPixels;

frmDialog::frmDialog(QWidget* parent)
    : QDialog(parent, runtime::kChoiceDialogFrame),
      ui_(std::make_unique<Ui::frmDialog>())
{
    ui_->setupUi(this);
    runtime::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    btnButton_ = {ui_->btnButton_0, ui_->btnButton_1};
    for (std::size_t i = 0; i < btnButton_.size(); ++i) {
        btnButton_[i]->setObjectName(QStringLiteral("btnButton(%1)").arg(i));
        connect(btnButton_[i], &QPushButton::clicked, this,
                [this, i] { onButtonClicked(static_cast<std::int16_t>(i)); });
    }
    connect(ui_->CancelButton, &QPushButton::clicked, this, &frmDialog::onCancelClicked);

    // The design fixes the client area on the screen, wherever the main window is.
    setGeometry(twipsToPixels(2760), twipsToPixels(3750), twipsToPixels(4050), twipsToPixels(1410));
    setFixedSize(size());
    btnButton_[0]->setFocus();
}

frmDialog::~frmDialog() = default;

QLabel* frmDialog::lblLabel() const
{
    return ui_->lblLabel;
}

void frmDialog::reject()
{
    onCancelClicked();
}

void frmDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void frmDialog::onButtonClicked(std::int16_t index)
{
    DialogResult = static_cast<std::int16_t>(index + 1);
    close();
}

void frmDialog::onCancelClicked()
{
    DialogResult = -1;
    close();
}
