#include "frmMain.h"

#include "design_fonts.h"
#include "frmGameOver.h"
#include "ui_frmMain.h"
#include "window_helpers.h"

#include <QCloseEvent>
#include <QKeyEvent>

frmMain::frmMain(const GameServices& services, QWidget* parent)
    : QMainWindow(parent, runtime::kFixedSingleFrame),
      ui_(std::make_unique<Ui::frmMain>()), services_(services), prompt_(this), warnings_(services.boxes, this),
      game_(household_, services.random, prompt_, warnings_, *this),
      lifetime_(*this, [this] { return confirmQuit(); }, [this] { stopRunning(); })
{
    ui_->setupUi(this);
    runtime::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QLabel* box : {ui_->lblDay, ui_->lblHahaHP, ui_->lblMusumeHP, ui_->lblMoneyValue, ui_->lblCupMenValue,
                        ui_->lblShoyuValue})
        box->setBackgroundRole(QPalette::Base);
    // The design's client area, 4680 x 3195 twips, lies below the menu bar.
    ui_->centralwidget->setFixedSize(runtime::twipsToPixels(4680), runtime::twipsToPixels(3195));
    setFixedSize(ui_->centralwidget->width(), ui_->menubar->sizeHint().height() + ui_->centralwidget->height());

    connect(ui_->mnuStart, &QAction::triggered, this, &frmMain::onStartTriggered);
    connect(ui_->mnuEnd, &QAction::triggered, this, &frmMain::onEndTriggered);
    connect(ui_->cmdRoudou, &QPushButton::clicked, this, [this] { act(&household::HouseholdGame::work); });
    connect(ui_->cmdKaimono, &QPushButton::clicked, this, [this] { act(&household::HouseholdGame::shopping); });
    connect(ui_->cmdShokuji, &QPushButton::clicked, this, [this] { act(&household::HouseholdGame::meal); });

    // Key preview: the window sees every key typed into it before the control with the focus.
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

frmMain::~frmMain() = default;

QPushButton* frmMain::button(household::ActionButton which) const
{
    switch (which) {
    case household::ActionButton::Roudou: return ui_->cmdRoudou;
    case household::ActionButton::Kaimono: return ui_->cmdKaimono;
    case household::ActionButton::Shokuji: return ui_->cmdShokuji;
    }
    return nullptr;
}

QLabel* frmMain::statusLabel(household::StatusLabel which) const
{
    switch (which) {
    case household::StatusLabel::Day: return ui_->lblDay;
    case household::StatusLabel::CupMenValue: return ui_->lblCupMenValue;
    case household::StatusLabel::ShoyuValue: return ui_->lblShoyuValue;
    case household::StatusLabel::MoneyValue: return ui_->lblMoneyValue;
    case household::StatusLabel::HahaHP: return ui_->lblHahaHP;
    case household::StatusLabel::MusumeHP: return ui_->lblMusumeHP;
    }
    return nullptr;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A key goes first to the focused control (the window itself when none has
    // the focus) and then on to its parents: act on the first delivery only.
    if (event->type() != QEvent::KeyPress || watched != (focusWidget() ? focusWidget() : this))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // A focused action button acts on Enter as on Space, through its click.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (watched == ui_->cmdRoudou || watched == ui_->cmdKaimono || watched == ui_->cmdShokuji)) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    // With Ctrl, Alt or Super held no character is typed.
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        onKeyPress(key->text());
    return false;  // the character still reaches the control
}

void frmMain::onKeyPress(const QString& typed)
{
    // Straight to the actions, whether or not their buttons are enabled.
    if (typed == QLatin1String("1"))
        act(&household::HouseholdGame::work);
    else if (typed == QLatin1String("2"))
        act(&household::HouseholdGame::shopping);
    else if (typed == QLatin1String("3"))
        act(&household::HouseholdGame::meal);
}

void frmMain::act(void (household::HouseholdGame::*action)())
{
    lifetime_.run([this, action] { (game_.*action)(); });
}

void frmMain::onStartTriggered()
{
    game_.start();
}

void frmMain::onEndTriggered()
{
    lifetime_.askToClose();
}

bool frmMain::confirmQuit()
{
    return services_.boxes.show(QStringLiteral("終了しますか？"), runtime::MessageBoxButtons::YesNo, this) ==
           runtime::MessageBoxAnswer::Yes;
}

void frmMain::stopRunning()
{
    // The game and any pending choice end silently; open boxes let their window go.
    game_.close();
    services_.boxes.closeOpen(this, runtime::MessageBoxAnswer::Yes);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!lifetime_.mayCloseNow()) {
        event->ignore();
        return;
    }
    // The game-over screen goes with the window.
    game_.close();
    if (gameOver_)
        gameOver_->close();
    event->accept();
}

void frmMain::setActionButtonEnabled(household::ActionButton which, bool enabled)
{
    button(which)->setEnabled(enabled);
}

void frmMain::setStatusCaption(household::StatusLabel which, const std::string& text)
{
    statusLabel(which)->setText(QString::fromStdString(text));
}

void frmMain::setGameOverTitle(const std::string& text)
{
    // A screen that is still open is reused as it is: no new load, no reseed.
    // One already closed may still await deletion; it is not brought back.
    if (!gameOver_ || !gameOver_->isVisible())
        gameOver_ = new frmGameOver(services_.random, services_.motion);
    gameOver_->lblTitle()->setText(QString::fromStdString(text));
}

void frmMain::showGameOver()
{
    // In front with the keyboard, also when shown again from behind the main window.
    gameOver_->show();
    gameOver_->raise();
    runtime::keepFocusWhileOpen(*gameOver_, this);
}
