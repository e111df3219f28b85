#include "screens/frmOpening.h"

#include "desktop/taskbar.h"
#include "screens/design_fonts.h"
#include "screens/frmMain.h"
#include "screens/window_frames.h"
#include "ui_frmOpening.h"

frmOpening::frmOpening(const GameServices& services, QWidget* parent)
    : QWidget(parent, screens::kFixedDialogFrame), ui_(std::make_unique<Ui::frmOpening>()), services_(services)
{
    ui_->setupUi(this);
    screens::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui_->cmdStartButton->setFocus();
    connect(ui_->cmdStartButton, &QPushButton::clicked, this, &frmOpening::onStartClicked);
    desktop::keepOffTaskbar(this);
}

frmOpening::~frmOpening() = default;

void frmOpening::onStartClicked()
{
    // The title screen leaves the screen before the main window maps: a window
    // manager that numbers the windows sharing a caption (KWin) would number
    // the main window otherwise. The program's end is looked for only once the
    // event loop is back, and by then the main window is on screen.
    auto* main = new frmMain(services_);
    hide();
    main->show();
    close();
}
