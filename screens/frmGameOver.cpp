#include "screens/frmGameOver.h"

#include "desktop/taskbar.h"
#include "household/design_color.h"
#include "screens/design_fonts.h"
#include "screens/design_units.h"
#include "screens/window_frames.h"
#include "ui_frmGameOver.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

frmGameOver::frmGameOver(household::RandomSource& random, desktop::MotionPreference& motion, QWidget* parent)
    : QWidget(parent, screens::kGameOverFrame),
      ui_(std::make_unique<Ui::frmGameOver>()), random_(random), motion_(motion), tmrTimer1_(new QTimer(this))
{
    ui_->setupUi(this);
    screens::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    backColor_ = palette().color(QPalette::Window);
    setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers every pixel
    ui_->cmdOKButton->setFocus();

    tmrTimer1_->setObjectName(QStringLiteral("tmrTimer1"));
    tmrTimer1_->setTimerType(Qt::PreciseTimer);
    connect(tmrTimer1_, &QTimer::timeout, this, &frmGameOver::onTimerTick);
    connect(ui_->cmdOKButton, &QPushButton::clicked, this, &frmGameOver::onOkClicked);
    desktop::keepOffTaskbar(this);
    onLoad();
}

frmGameOver::~frmGameOver() = default;

QLabel* frmGameOver::lblTitle() const
{
    return ui_->lblTitle;
}

void frmGameOver::onLoad()
{
    random_.seedFromClock();
    // Calm: at most one change a second, far below three flashes in any second.
    tmrTimer1_->setInterval(motion_.reduceMotion() ? 1000 : 20);
    tmrTimer1_->start();
}

void frmGameOver::onTimerTick()
{
    // Painted here rather than through the palette: a palette change would
    // travel to every label and restyle it, fifty times a second.
    backColor_ = screens::colorFromDesignValue(household::colorValueOf(random_.next()));
    update();
}

void frmGameOver::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), backColor_);
}

void frmGameOver::onOkClicked()
{
    tmrTimer1_->stop();
    close();
}

void frmGameOver::closeEvent(QCloseEvent* event)
{
    // A close through the frame stops the colours just as OK does.
    tmrTimer1_->stop();
    event->accept();
}
