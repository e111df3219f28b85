#include "screens/frmMain.h"

#include "desktop/lost_window_watcher.h"
#include "desktop/minimised_windows.h"
#include "screens/basNabrel.h"
#include "screens/design_fonts.h"
#include "screens/design_units.h"
#include "screens/focus_keeper.h"
#include "screens/frmDialog.h"
#include "screens/frmGameOver.h"
#include "screens/window_frames.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <utility>

frmMain::frmMain(const GameServices& services, QWidget* parent)
    : QMainWindow(parent, screens::kFixedSingleFrame),
      ui_(std::make_unique<Ui::frmMain>()), services_(services), game_(household_, services.random, *this, *this)
{
    ui_->setupUi(this);
    screens::applyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QLabel* box : {ui_->lblDay, ui_->lblHahaHP, ui_->lblMusumeHP, ui_->lblMoneyValue, ui_->lblCupMenValue,
                        ui_->lblShoyuValue})
        box->setBackgroundRole(QPalette::Base);
    // The design's client area, 4680 x 3195 twips, lies below the menu bar.
    ui_->centralwidget->setFixedSize(screens::twipsToPixels(4680), screens::twipsToPixels(3195));
    setFixedSize(ui_->centralwidget->width(), ui_->menubar->sizeHint().height() + ui_->centralwidget->height());

    connect(ui_->mnuStart, &QAction::triggered, this, [this] { game_.start(); });
    connect(ui_->mnuEnd, &QAction::triggered, this, &frmMain::onEndTriggered);
    connect(ui_->cmdRoudou, &QPushButton::clicked, this, [this] { game_.work(); });
    connect(ui_->cmdKaimono, &QPushButton::clicked, this, [this] { game_.shopping(); });
    connect(ui_->cmdShokuji, &QPushButton::clicked, this, [this] { game_.meal(); });

    // Key preview: the window sees every key typed into it before the control with the focus.
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

frmMain::~frmMain() = default;

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
        game_.work();
    else if (typed == QLatin1String("2"))
        game_.shopping();
    else if (typed == QLatin1String("3"))
        game_.meal();
}

void frmMain::onEndTriggered()
{
    if (askingToQuit_)
        return;  // one question, however often it is asked for
    askingToQuit_ = true;
    services_.boxes.open(QStringLiteral("終了しますか？"), screens::MessageBoxButtons::YesNo, this,
                         [this](screens::MessageBoxAnswer answer) {
                             askingToQuit_ = false;
                             quitting_ = answer == screens::MessageBoxAnswer::Yes;
                             if (quitting_)
                                 close();
                         });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A close through the frame (or the compositor's) asks first; after はい,
    // or with the window lost to another client, it is decided. While a box
    // blocks the window such a close does nothing, as on Windows and as Qt 6.8
    // does before it comes here; Qt 6.4 delivers it.
    if (!quitting_ && !desktop::windowLost(this)) {
        event->ignore();
        if (warningsOpen_ == 0)
            onEndTriggered();  // which asks nothing new while it asks
        return;
    }
    // What the window was asking goes with it: a pending question as キャンセル.
    if (choice_)
        choice_->reject();
    if (gameOver_)
        gameOver_->close();
    event->accept();
}

void frmMain::refresh()
{
    const bool playing = game_.running();
    for (QPushButton* button : {ui_->cmdRoudou, ui_->cmdKaimono, ui_->cmdShokuji})
        button->setEnabled(playing);
    if (!playing)
        return;  // a finished game keeps showing the start of its last day
    const std::pair<QLabel*, std::int32_t> boxes[] = {
        {ui_->lblDay, game_.day()},         {ui_->lblCupMenValue, household_.CupMen},
        {ui_->lblShoyuValue, household_.Shoyu}, {ui_->lblMoneyValue, household_.Money},
        {ui_->lblHahaHP, household_.HahaHP}, {ui_->lblMusumeHP, household_.MusumeHP}};
    for (const auto& [box, value] : boxes)
        box->setText(QString::fromStdString(household::displayText(value)));
}

void frmMain::ShowChoiceDialog(const household::Question& question)
{
    choice_ = ::ShowChoiceDialog(QString::fromStdString(question.prompt), QString::fromStdString(question.option1),
                                 QString::fromStdString(question.option2), this, [this](std::int16_t answer) {
                                     choice_ = nullptr;
                                     game_.answer(answer);
                                 });
}

void frmMain::raiseChoiceDialog()
{
    if (choice_)
        desktop::bringBack(*choice_);
}

void frmMain::dropChoiceDialog()
{
    // Its キャンセル reaches a game that no longer asks.
    if (choice_)
        choice_->reject();
}

void frmMain::gameEnded(const std::string& resultText)
{
    // A screen that is still open, minimised or not, is reused as it is: no
    // new load, no reseed. One already closed may still await deletion; it is
    // not brought back.
    const bool reused = gameOver_ && gameOver_->isVisible();
    if (!reused) {
        gameOver_ = new frmGameOver(services_.random, services_.motion);
        desktop::returnWithOwner(*gameOver_, *this);
    }
    gameOver_->lblTitle()->setText(QString::fromStdString(resultText));
    refresh();
    // In front with the keyboard, also when shown again from behind the main
    // window or from minimised.
    if (reused)
        desktop::bringBack(*gameOver_);
    else
        gameOver_->show();
    screens::keepFocusWhileOpen(*gameOver_, this);
}

void frmMain::showWarning(const std::string& text)
{
    ++warningsOpen_;
    services_.boxes.open(QString::fromStdString(text), screens::MessageBoxButtons::Ok, this,
                         [this](screens::MessageBoxAnswer) { --warningsOpen_; });
}
