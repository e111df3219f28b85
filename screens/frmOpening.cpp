#include "frmOpening.h"

#include "design_fonts.h"
#include "taskbar.h"
#include "frmMain.h"
#include "ui_frmOpening.h"
#include "window_helpers.h"

frmOpening::frmOpening(const GameServices& services, QWidget* parent)
    : QWidget(parent, runtime::kFixedDialogFrame), ui_(std::make_unique<Ui::frmOpening>()), services_(services)
{
    ui_->setupUi(this);
    runtime::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui_->cmdStartButton->setFocus();
    connect(ui_->cmdStartButton, &QPushButton::clicked, this, &frmOpening::onStartClicked);
    runtime::keepOffTaskbar(this);
}

frmOpening::~frmOpening() = default;

void frmOpening::onStartClicked()
{
    // The main window is open before the title screen goes, so the program never runs out of windows here.
    auto* main = new frmMain(services_);
    main->show();
    close();
}
