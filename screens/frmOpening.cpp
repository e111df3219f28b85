#include "frmOpening.h"

#include "frmMain.h"
#include "design_fonts.h"
#include "ui_frmOpening.h"

frmOpening::frmOpening(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmOpening>())
{
    ui_->setupUi(this);
    runtime::ApplyExactPointSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui_->cmdStartButton->setFocus();
    connect(ui_->cmdStartButton, &QPushButton::clicked, this, &frmOpening::cmdStartButton_Click);
}

frmOpening::~frmOpening() = default;

QPushButton* frmOpening::cmdStartButton() const
{
    return ui_->cmdStartButton;
}

void frmOpening::cmdStartButton_Click()
{
    // The main window is open before the title screen goes, so the program never runs out of windows here.
    auto* main = new frmMain;
    main->show();
    close();
}
