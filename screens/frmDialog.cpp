#include "screens/frmDialog.h"

#include "screens/design_fonts.h"
#include "screens/design_units.h"
#include "screens/window_frames.h"
#include "ui_frmDialog.h"

#include <QPushButton>

using screens::twipsToPixels;

frmDialog::frmDialog(QWidget* parent)
    : QDialog(parent, screens::kChoiceDialogFrame),
      ui_(std::make_unique<Ui::frmDialog>())
{
    ui_->setupUi(this);
    screens::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    btnButton_ = {ui_->btnButton_0, ui_->btnButton_1};
    for (std::size_t i = 0; i < btnButton_.size(); ++i) {
        btnButton_[i]->setObjectName(QStringLiteral("btnButton(%1)").arg(i));
        connect(btnButton_[i], &QPushButton::clicked, this, [this, i] { done(static_cast<int>(i) + 1); });
    }
    connect(ui_->CancelButton, &QPushButton::clicked, this, &frmDialog::reject);

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
    done(-1);
}
