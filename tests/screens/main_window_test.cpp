#include "basNabrel.h"
#include "choice_dialog_driver.h"
#include "design_fonts.h"
#include "fixed_motion_preference.h"
#include "focus_chain.h"
#include "font_substitution.h"
#include "frmDialog.h"
#include "frmGameOver.h"
#include "frmMain.h"
#include "frmOpening.h"
#include "household_fakes.h"
#include "lost_window_watcher.h"
#include "main_window_controls.h"
#include "nabrel_facts.h"
#include "scripted_message_boxes.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>

using household::ActionButton;
using household::StatusLabel;
using household::testing::ScriptedRandom;

namespace {

constexpr StatusLabel kStatusLabels[] = {StatusLabel::Day,        StatusLabel::CupMenValue, StatusLabel::ShoyuValue,
                                         StatusLabel::MoneyValue, StatusLabel::HahaHP,      StatusLabel::MusumeHP};
constexpr ActionButton kButtons[] = {ActionButton::Roudou, ActionButton::Kaimono, ActionButton::Shokuji};

QStringList statusTexts(const frmMain& window)
{
    QStringList texts;
    for (StatusLabel label : kStatusLabels)
        texts << statusLabel(window, label)->text();
    return texts;
}

QList<bool> buttonsEnabled(const frmMain& window)
{
    QList<bool> enabled;
    for (ActionButton button : kButtons)
        enabled << actionButton(window, button)->isEnabled();
    return enabled;
}

QMenu* openMenu()
{
    return visibleWindows<QMenu>().value(0);
}

// Each watched widget's width when it first painted.
class FirstPaintWidths final : public QObject {
public:
    QHash<const QObject*, int> widths;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !widths.contains(watched))
            widths.insert(watched, static_cast<QWidget*>(watched)->width());
        return false;
    }
};

const QStringList kStartStatus = {"1", "2", "1000", "100", "100", "50"};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    ScriptedRandom random_;
    ScriptedMessageBoxes boxes_;
    FixedMotionPreference motion_;
    QPointer<frmMain> window_;

    // The window's message boxes, with nothing recorded yet and No as the answer.
    ScriptedMessageBoxes& freshBoxes()
    {
        boxes_.texts.clear();
        boxes_.yesNoAnswer = runtime::MessageBoxAnswer::No;
        return boxes_;
    }
    frmMain& window() { return *window_; }

    void startGame() { window_->findChild<QAction*>("mnuStart")->trigger(); }

private slots:
    void initTestCase() { runtime::installFontSubstitutions(); }

    void init()
    {
        random_ = ScriptedRandom{};
        random_.afterScript = 0.0f;
        window_ = new frmMain({random_, boxes_, motion_});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanup()
    {
        freshBoxes().yesNoAnswer = runtime::MessageBoxAnswer::Yes;
        QVERIFY(!window_ || closeAndAwaitDestruction(window_));
        QVERIFY(openChoiceDialogs().isEmpty());
    }

    void everyCaptionFitsWhateverTheDesktopFont_data()
    {
        QTest::addColumn<QFont>("desktopFont");
        QTest::newRow("large serif") << QFont("DejaVu Serif", 16);
        QTest::newRow("small sans") << QFont("DejaVu Sans", 6);
    }

    // Every caption, every choice and result text, and a 5-digit value, whole
    // inside its control: the controls' pixel geometry holds whatever font the
    // desktop gives the application.
    void everyCaptionFitsWhateverTheDesktopFont()
    {
        QFETCH(QFont, desktopFont);
        const QFont previous = QApplication::font();
        QApplication::setFont(desktopFont);
        const auto restore = qScopeGuard([&] { QApplication::setFont(previous); });

        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(new frmOpening({random_, boxes_, motion_}));
        auto* main = new frmMain({random_, boxes_, motion_});
        windows.emplace_back(main);
        for (StatusLabel label : kStatusLabels)
            statusLabel(*main, label)->setText("32767");
        const QStringList choices[] = {{"労働内容を選択して下さい。", "内職", "援助交際"},
                                       {"食料を選択して下さい。", "カップ麺", "醤油"},
                                       {"食べる人を選択して下さい。", "母", "娘"}};
        for (const QStringList& choice : choices) {
            auto* dialog = new frmDialog;
            dialog->lblLabel()->setText(choice[0]);
            dialog->btnButton(0)->setText(choice[1]);
            dialog->btnButton(1)->setText(choice[2]);
            windows.emplace_back(dialog);
        }
        for (const char* ending : {"母親餓死!!", "娘凍死!!", "母親逮捕!!"}) {
            auto* screen = new frmGameOver(random_, motion_);
            screen->lblTitle()->setText(ending);
            windows.emplace_back(screen);
        }

        // Labels fit their text once on screen, before their first frame.
        FirstPaintWidths firstPaint;
        for (const auto& window : windows) {
            for (QLabel* label : window->findChildren<QLabel*>())
                label->installEventFilter(&firstPaint);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        for (const auto& window : windows) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                QTRY_VERIFY2(firstPaint.widths.contains(label), qPrintable(label->objectName()));
                QCOMPARE(firstPaint.widths.value(label), label->width());
                const QFontMetrics metrics(label->font());
                const int indent = label->indent() > 0 ? label->indent() : 0;
                QVERIFY2(metrics.horizontalAdvance(label->text()) + indent <= label->contentsRect().width() &&
                             metrics.tightBoundingRect(label->text()).height() <= label->contentsRect().height(),
                         qPrintable(label->objectName() + " " + label->text()));
            }
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                const QFontMetrics metrics(button->font());
                const QString text = QString(button->text()).remove('&');
                QVERIFY2(metrics.horizontalAdvance(text) + 8 <= button->width() &&
                             metrics.height() + 4 <= button->height(),
                         qPrintable(button->objectName() + " " + text));
                QCOMPARE(QFontInfo(button->font()).family(), QFontInfo(runtime::designDefaultFont()).family());
            }
        }
    }

    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("style");
        struct Row { const char* name; int l, t, w, h; const char* text; const char* style; };
        const Row rows[] = {
            {"cmdShokuji", 3120, 2520, 1335, 375, "食事", "button"},
            {"cmdKaimono", 1680, 2520, 1335, 375, "買物", "button"},
            {"cmdRoudou", 240, 2520, 1335, 375, "労働", "button"},
            {"lblCc", 4320, 1920, 255, 255, "cc", "caption"},
            {"lblKosuu", 2520, 1920, 255, 255, "個", "caption"},
            {"lblYen", 2640, 1320, 255, 255, "円", "caption"},
            {"lblShoyu", 3120, 1920, 495, 255, "醤油", "caption"},
            {"lblCupMen", 840, 1920, 855, 255, "カップ麺", "caption"},
            {"lblNokori", 120, 1920, 615, 255, "残り", "caption"},
            {"lblMoney", 120, 1320, 735, 255, "所持金", "caption"},
            {"lblShoyuValue", 3720, 1920, 615, 255, "", "value"},
            {"lblCupMenValue", 1800, 1920, 615, 255, "", "value"},
            {"lblMoneyValue", 1800, 1320, 615, 255, "", "value"},
            {"lblMusumeHP", 3720, 720, 615, 255, "", "value"},
            {"lblHahaHP", 1800, 720, 615, 255, "", "value"},
            {"lblMusume", 3120, 720, 375, 255, "娘", "caption"},
            {"lblHaha", 1200, 720, 255, 255, "母", "caption"},
            {"lblDays", 2520, 120, 495, 255, "日目", "caption"},
            {"lblDay", 1800, 120, 615, 255, "", "value"},
            {"lblTairyoku", 120, 720, 615, 255, "体力", "caption"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.name << QRect(r.l / 15, r.t / 15, r.w / 15, r.h / 15) << r.text << r.style;
    }

    void design()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, style);

        QCOMPARE(window().windowTitle(), QString::fromUtf8(nabrel::kTitle));
        QCOMPARE(window().centralWidget()->size(), QSize(312, 213));
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QVERIFY(!(window().windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(window().windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(window().font().family(), QString("ＭＳ Ｐゴシック"));
        QCOMPARE(window().font().pointSizeF(), 9.0);

        auto* control = window().findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), window().centralWidget());
        QCOMPARE(control->geometry(), geometry);
        if (style == "button") {
            auto* button = qobject_cast<QPushButton*>(control);
            QCOMPARE(button->text(), text);
            QVERIFY2(!button->isEnabled(), "disabled when created");
            return;
        }
        auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label->text(), text);
        label->ensurePolished();
        if (style == "caption") {
            QCOMPARE(label->font().family(), QString("ＭＳ Ｐゴシック"));
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY(!label->font().bold());
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
            QVERIFY(label->alignment() & Qt::AlignLeft);
        } else {
            QCOMPARE(label->font(), window().font());
            QCOMPARE(label->frameShape(), QFrame::Box);
            QCOMPARE(label->lineWidth(), 1);
            QVERIFY(label->alignment() & Qt::AlignRight);
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->backgroundRole(), QPalette::Base);
        }
    }

    void menuAndTabOrder()
    {
        auto* file = window().findChild<QMenu*>("mnuFile");
        QVERIFY(file);
        QCOMPARE(file->title(), QString("ファイル(&F)"));
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->objectName(), QString("mnuStart"));
        QCOMPARE(items[0]->text(), QString("開始(&S)"));
        QCOMPARE(items[1]->objectName(), QString("mnuEnd"));
        QCOMPARE(items[1]->text(), QString("終了(&X)"));

        startGame();
        QWidget* roudou = actionButton(window(), ActionButton::Roudou);
        QCOMPARE(nextTabStop(roudou), actionButton(window(), ActionButton::Kaimono));
        QCOMPARE(nextTabStop(actionButton(window(), ActionButton::Kaimono)), actionButton(window(), ActionButton::Shokuji));
        roudou->setFocus();
        QTest::keyClick(roudou, Qt::Key_Tab);  // through the window's key preview
        QCOMPARE(window().focusWidget(), actionButton(window(), ActionButton::Kaimono));
    }

    void opensEmptyAndANewGameShowsTheStartValues()
    {
        QCOMPARE(statusTexts(window()), QStringList(6, QString()));
        QCOMPARE(buttonsEnabled(window()), (QList<bool>{false, false, false}));
        startGame();
        QCOMPARE(statusTexts(window()), kStartStatus);
        QCOMPARE(buttonsEnabled(window()), (QList<bool>{true, true, true}));
    }

    void keysRunTheirActionsWhateverHasTheFocus_data()
    {
        QTest::addColumn<int>("focused");  // -1: before a game, nothing focused
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("prompt");  // empty: no action
        const QString prompts[] = {"労働内容を選択して下さい。", "食料を選択して下さい。", "食べ物を選択して下さい。"};
        for (int focused = -1; focused < 3; ++focused)
            for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3})
                QTest::addRow("focus %d key %c", focused, key) << focused << key << 0 << prompts[key - Qt::Key_1];
        QTest::addRow("keypad 1") << 0 << int(Qt::Key_1) << int(Qt::KeypadModifier) << prompts[0];
        // A focused command button acts on Enter as on Space.
        for (int focused = 0; focused < 3; ++focused) {
            QTest::addRow("Space on %d", focused) << focused << int(Qt::Key_Space) << 0 << prompts[focused];
            QTest::addRow("Enter on %d", focused) << focused << int(Qt::Key_Return) << 0 << prompts[focused];
            QTest::addRow("keypad Enter on %d", focused)
                << focused << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << prompts[focused];
        }
        // With Ctrl, Alt or Super held no character is typed.
        for (int modifier : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier})
            QTest::addRow("modifier %x with 1", modifier) << 0 << int(Qt::Key_1) << modifier << QString();
    }

    void keysRunTheirActionsWhateverHasTheFocus()
    {
        QFETCH(int, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, prompt);
        if (focused >= 0) {
            startGame();
            actionButton(window(), kButtons[focused])->setFocus();
        }
        QWidget* receiver = window().focusWidget() ? window().focusWidget() : window_.data();
        QString asked;
        whenChoiceDialogOpens([&asked](frmDialog* dialog) {
            asked = dialog->lblLabel()->text();
            dialog->findChild<QPushButton*>("CancelButton")->click();
        });
        QTest::keyClick(receiver, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(prompt.isEmpty() ? 50 : 0);
        QCOMPARE(asked, prompt);
        for (ActionButton button : kButtons)
            QVERIFY2(!actionButton(window(), button)->isDefault(), "no button draws itself as the default");
    }

    void otherKeysDoNothing()
    {
        startGame();
        actionButton(window(), ActionButton::Roudou)->setFocus();
        QTest::keyClicks(window().focusWidget(), "40aZ");
        QTest::qWait(20);
        QVERIFY(openChoiceDialogs().isEmpty());
        QCOMPARE(statusTexts(window()), kStartStatus);
    }

    void buttonsRunTheirActions()
    {
        startGame();
        random_.draws = {0.0f, 0.0f};
        whenChoiceDialogOpens([](frmDialog* dialog) { dialog->btnButton(0)->click(); });  // piecework
        QTest::mouseClick(actionButton(window(), ActionButton::Roudou), Qt::LeftButton);
        QCOMPARE(statusTexts(window()), (QStringList{"2", "2", "1000", "300", "79", "49"}));
    }

    void altFThenSStartsAndXAsks()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_, kActivationTimeoutMs));  // Alt+F reaches only the active window
        QTest::keyClick(window_, Qt::Key_F, Qt::AltModifier);
        QMenu* menu = openMenu();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_S);
        QCOMPARE(statusTexts(window()), kStartStatus);

        ScriptedMessageBoxes& boxes = freshBoxes();
        QTest::keyClick(window_, Qt::Key_F, Qt::AltModifier);
        menu = openMenu();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_X);
        QCOMPARE(boxes.texts, QStringList{"終了しますか？"});
        QVERIFY(window().isVisible());
    }

    void noToTheQuitQuestionChangesNothing()
    {
        startGame();
        random_.draws = {0.0f, 0.0f};
        whenChoiceDialogOpens([](frmDialog* dialog) { dialog->btnButton(0)->click(); });
        actionButton(window(), ActionButton::Roudou)->click();
        const QStringList before = statusTexts(window());

        ScriptedMessageBoxes& boxes = freshBoxes();
        window().findChild<QAction*>("mnuEnd")->trigger();
        QVERIFY(!window().close());  // through the frame: the same question, from the event loop
        QTRY_COMPARE(boxes.texts, (QStringList{"終了しますか？", "終了しますか？"}));
        QVERIFY(window().isVisible());
        QCOMPARE(statusTexts(window()), before);
        QVERIFY(gamePlaying(window()));
    }

    void yesClosesTheWindowAndEverythingWithIt()
    {
        startGame();
        ScriptedMessageBoxes& boxes = freshBoxes();
        boxes.yesNoAnswer = runtime::MessageBoxAnswer::Yes;
        // A choice is pending when End is chosen: Yes ends it there and then,
        // not only once the window is destroyed.
        bool closedWithTheWindow = false;
        whenChoiceDialogOpens([this, &closedWithTheWindow](frmDialog* dialog) {
            window().findChild<QAction*>("mnuEnd")->trigger();
            closedWithTheWindow = !dialog->isVisible();
        });
        actionButton(window(), ActionButton::Roudou)->click();
        QVERIFY(closedWithTheWindow);
        QCOMPARE(int(DialogResult), -1);
        QVERIFY(openChoiceDialogs().isEmpty());
        flushDeletes();
        QVERIFY(!window_);
        QCOMPARE(random_.taken, 0);
    }

    // Requests that arrive before the question has opened are the same request.
    void closeRequestsBeforeTheQuestionOpensAskOnce()
    {
        ScriptedMessageBoxes& boxes = freshBoxes();
        boxes.whileOpen = [] { QCoreApplication::sendPostedEvents(); };  // as the box's own event loop would
        QVERIFY(!window().close());
        QVERIFY(!window().close());
        QTRY_VERIFY(!boxes.texts.isEmpty());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(boxes.texts, QStringList{"終了しますか？"});
        QVERIFY(window().isVisible());
    }

    // Destroyed by another client while it asks, the window has nothing left
    // to ask on: the question closes as yes and the window goes.
    void lostWhileAskingGoes()
    {
        ScriptedMessageBoxes& boxes = freshBoxes();
        boxes.whileOpen = [this] {
            runtime::loseWindow(window_);
            QCoreApplication::sendPostedEvents();
        };
        window().findChild<QAction*>("mnuEnd")->trigger();
        QCOMPARE(boxes.closedWhileOpen, 1);
        flushDeletes();
        QVERIFY(!window_);
    }

    // Closed while a box or a choice is open, by End's yes or by the
    // compositor (Wayland delivers its close past a modal box, as
    // QWindow::close does), the window outlives whatever opened it, which
    // returns without touching it, and goes once that has returned.
    void closedUnderAnOpenBoxGoesOnceItHasReturned_data()
    {
        QTest::addColumn<QString>("under");
        QTest::addColumn<bool>("byCompositor");
        QTest::addColumn<QStringList>("texts");
        const QStringList warningThenQuestion{"お金が足りません", "終了しますか？"};
        QTest::newRow("End under a warning") << "warning" << false << warningThenQuestion;
        QTest::newRow("compositor close under a warning") << "warning" << true << warningThenQuestion;
        QTest::newRow("compositor close under the quit question") << "question" << true << QStringList{"終了しますか？"};
        QTest::newRow("compositor close under a choice") << "choice" << true << QStringList{"終了しますか？"};
    }

    void closedUnderAnOpenBoxGoesOnceItHasReturned()
    {
        QFETCH(QString, under);
        QFETCH(bool, byCompositor);
        QFETCH(QStringList, texts);
        startGame();  // 100 円: a cup noodle is beyond the purse
        ScriptedMessageBoxes& boxes = freshBoxes();
        boxes.yesNoAnswer = runtime::MessageBoxAnswer::Yes;
        bool outlived = false;
        const auto closeFromInside = [this, byCompositor, &outlived] {
            if (byCompositor)
                window().windowHandle()->close();
            else
                window().findChild<QAction*>("mnuEnd")->trigger();
            QCoreApplication::sendPostedEvents();  // as the box's own event loop would
            flushDeletes();
            outlived = window_ != nullptr;
        };
        if (under == "choice") {
            whenChoiceDialogOpens([&closeFromInside](frmDialog*) { closeFromInside(); });
            actionButton(window(), ActionButton::Roudou)->click();
            QCOMPARE(int(DialogResult), -1);
        } else {
            boxes.whileOpen = closeFromInside;
            if (under == "question") {
                window().findChild<QAction*>("mnuEnd")->trigger();
            } else {
                answerChoiceDialogs({1});
                actionButton(window(), ActionButton::Kaimono)->click();
            }
        }
        QVERIFY(outlived);
        QCOMPARE(boxes.texts, texts);
        flushDeletes();
        QVERIFY(!window_);
    }

    void gameOverKeepsTheLastStatusAndStartBeginsAgain()
    {
        startGame();
        random_.draws = {0.9f, 0.0f, 0.0f};  // arrested, then the day's decline
        whenChoiceDialogOpens([](frmDialog* dialog) { dialog->btnButton(1)->click(); });
        actionButton(window(), ActionButton::Roudou)->click();

        QCOMPARE(buttonsEnabled(window()), (QList<bool>{false, false, false}));
        QCOMPARE(statusTexts(window()), kStartStatus);
        QPointer<frmGameOver> screen = visibleWindows<frmGameOver>().value(0);
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->lblTitle()->text(), QString("母親逮捕!!"));

        startGame();  // while the game-over screen still flashes
        QCOMPARE(statusTexts(window()), kStartStatus);
        QCOMPARE(buttonsEnabled(window()), (QList<bool>{true, true, true}));
        QVERIFY(screen->isVisible());

        ScriptedMessageBoxes& boxes = freshBoxes();
        boxes.yesNoAnswer = runtime::MessageBoxAnswer::Yes;
        QVERIFY(closeAndAwaitDestruction(window_));
        flushDeletes();
        QVERIFY2(!screen, "the game-over screen closes with the main window");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
