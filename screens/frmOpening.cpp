#include "frmOpening.h"

#include "design_fonts.h"
#include "taskbar.h"
#include "frmMain.h"
#include "ui_frmOpening.h"
#include "window_helpers.h"

frmOpening::frmOpening(QWidget* parent)
    : QWidget(parent, runtime::kFixedDialogFrame),
      ui_(std::make_unique<Ui::frmOpening>())
{
    ui_->setupUi(this);
    runtime::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui_->cmdStartButton->setFocus();
    connect(ui_->cmdStartButton, &QPushButton::clicked, this, &frmOpening::cmdStartButton_Click);
    runtime::keepOffTaskbar(this);
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
