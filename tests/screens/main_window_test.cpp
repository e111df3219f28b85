#include "generated/nabrel_facts.h"
#include "screens/basNabrel.h"
#include "screens/design_fonts.h"
#include "screens/font_substitution.h"
#include "screens/frmDialog.h"
#include "screens/frmGameOver.h"
#include "screens/frmMain.h"
#include "screens/frmOpening.h"
#include "tests/household/household_fakes.h"
#include "tests/screens/choice_dialog_driver.h"
#include "tests/screens/fixed_motion_preference.h"
#include "tests/screens/focus_chain.h"
#include "tests/screens/main_window_controls.h"
#include "tests/screens/scripted_message_boxes.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>

using household::testing::ScriptedRandom;
using screens::MessageBoxAnswer;

namespace {

QList<bool> buttonsEnabled(const frmMain& window)
{
    QList<bool> enabled;
    for (int button = 0; button < 3; ++button)
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

    frmMain& window() { return *window_; }

    void startGame() { window_->findChild<QAction*>("mnuStart")->trigger(); }

private slots:
    void initTestCase() { screens::installFontSubstitutions(); }

    void init()
    {
        random_ = ScriptedRandom{};
        random_.afterScript = 0.0f;
        boxes_ = ScriptedMessageBoxes{};
        window_ = new frmMain({random_, boxes_, motion_});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanup()
    {
        QVERIFY(!window_ || quitAndAwaitDestruction(window_, boxes_));
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
        for (const QString& name : kStatusBoxes)
            main->findChild<QLabel*>(name)->setText("32767");
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
                QCOMPARE(QFontInfo(button->font()).family(), QFontInfo(screens::designDefaultFont()).family());
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
        QWidget* roudou = actionButton(window(), 0);
        QCOMPARE(nextTabStop(roudou), actionButton(window(), 1));
        QCOMPARE(nextTabStop(actionButton(window(), 1)), actionButton(window(), 2));
        roudou->setFocus();
        QTest::keyClick(roudou, Qt::Key_Tab);  // through the window's key preview
        QCOMPARE(window().focusWidget(), actionButton(window(), 1));
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

    // One key press starts at most one action, and one dialog.
    void keysRunTheirActionsWhateverHasTheFocus()
    {
        QFETCH(int, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, prompt);
        if (focused >= 0) {
            startGame();
            actionButton(window(), focused)->setFocus();
        }
        QWidget* receiver = window().focusWidget() ? window().focusWidget() : window_.data();
        QTest::keyClick(receiver, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const QList<frmDialog*> open = openChoiceDialogs();
        QCOMPARE(open.size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty())
            QCOMPARE(open.front()->lblLabel()->text(), prompt);
        for (int button = 0; button < 3; ++button)
            QVERIFY2(!actionButton(window(), button)->isDefault(), "no button draws itself as the default");
    }

    void otherKeysDoNothing()
    {
        startGame();
        actionButton(window(), 0)->setFocus();
        QTest::keyClicks(window().focusWidget(), "40aZ");
        QVERIFY(openChoiceDialogs().isEmpty());
        QCOMPARE(statusTexts(window()), kStartStatus);
    }

    void buttonsRunTheirActions()
    {
        startGame();
        random_.draws = {0.0f, 0.0f};
        QTest::mouseClick(actionButton(window(), 0), Qt::LeftButton);
        QVERIFY2(statusTexts(window()) == kStartStatus, "nothing happens before the answer");
        QVERIFY(answerChoiceDialog(1));  // piecework
        QCOMPARE(statusTexts(window()), (QStringList{"2", "2", "1000", "300", "79", "49"}));
    }

    // The key that ended a game by its answer starts nothing more.
    void aGameEndedFromAFocusedButtonLeavesNoDialog()
    {
        startGame();
        random_.draws = {0.9f, 0.0f, 0.0f};  // arrested, then the day's decline
        actionButton(window(), 1)->setFocus();
        QTest::keyClick(window().focusWidget(), Qt::Key_1);
        QVERIFY(answerChoiceDialog(2));
        QVERIFY(!gamePlaying(window()));
        QVERIFY(openChoiceDialogs().isEmpty());
    }

    void aSecondActionWhilePendingRaisesTheSameDialog()
    {
        startGame();
        actionButton(window(), 0)->click();
        frmDialog* pending = openChoiceDialogs().value(0);
        QTest::keyClick(window_, Qt::Key_2);
        actionButton(window(), 2)->click();
        QCOMPARE(openChoiceDialogs(), QList<frmDialog*>{pending});
        QCOMPARE(pending->lblLabel()->text(), QString("労働内容を選択して下さい。"));
    }

    void startWhilePendingDropsTheChoice()
    {
        startGame();
        actionButton(window(), 0)->click();
        startGame();
        QVERIFY(openChoiceDialogs().isEmpty());
        QCOMPARE(statusTexts(window()), kStartStatus);
        QCOMPARE(random_.taken, 0);
    }

    void altFThenSStartsAndXAsksOnce()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_, kActivationTimeoutMs));  // Alt+F reaches only the active window
        QTest::keyClick(window_, Qt::Key_F, Qt::AltModifier);
        QMenu* menu = openMenu();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_S);
        QCOMPARE(statusTexts(window()), kStartStatus);

        for (int request = 0; request < 2; ++request) {
            QTest::keyClick(window_, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(menu = openMenu());
            QTest::keyClick(menu, Qt::Key_X);
        }
        QCOMPARE(boxes_.texts, QStringList{"終了しますか？"});
        QVERIFY(boxes_.answer(MessageBoxAnswer::No));
        QVERIFY(window().isVisible());
        QVERIFY(gamePlaying(window()));
        window().findChild<QAction*>("mnuEnd")->trigger();
        QVERIFY2(boxes_.texts.size() == 2, "answered, it asks again");
    }

    // Closed at any moment, by End or through its frame (which a warning
    // blocks), the window asks once and on はい goes at once with whatever it
    // was asking; nothing declines.
    void closedAtAnyMomentGoesWithWhatItAsked_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<bool>("byFrame");
        for (const char* moment : {"idle", "choice", "eater choice", "warning", "quit question", "game over"})
            for (const bool byFrame : {false, true})
                QTest::addRow("%s, %s", moment, byFrame ? "frame" : "End") << QString(moment) << byFrame;
    }

    void closedAtAnyMomentGoesWithWhatItAsked()
    {
        QFETCH(QString, moment);
        QFETCH(bool, byFrame);
        startGame();  // 100 円: a cup noodle is beyond the purse
        if (moment == "choice") {
            actionButton(window(), 0)->click();
        } else if (moment == "eater choice") {
            actionButton(window(), 2)->click();
            QVERIFY(answerChoiceDialog(1));
        } else if (moment == "warning") {
            actionButton(window(), 1)->click();
            QVERIFY(answerChoiceDialog(1));
            QCOMPARE(boxes_.texts, QStringList{"お金が足りません"});
        } else if (moment == "quit question") {
            window().findChild<QAction*>("mnuEnd")->trigger();
        } else if (moment == "game over") {
            random_.draws = {0.9f, 0.0f, 0.0f};
            actionButton(window(), 0)->click();
            QVERIFY(answerChoiceDialog(2));
        }
        QPointer<frmGameOver> screen = visibleWindows<frmGameOver>().value(0);
        QCOMPARE(bool(screen), moment == "game over");
        const int dialogs = int(openChoiceDialogs().size());
        const int taken = random_.taken;
        if (byFrame && moment == "warning") {
            QVERIFY2(!window().close(), "a box blocks the frame's close");
            QVERIFY2(!boxes_.texts.contains("終了しますか？"), "and it asks nothing");
            QVERIFY(boxes_.answer(MessageBoxAnswer::Ok));
        }
        if (byFrame)
            QVERIFY2(!window().close(), "the frame's close asks first");
        else
            window().findChild<QAction*>("mnuEnd")->trigger();
        QCOMPARE(boxes_.texts.count("終了しますか？"), 1);
        QCOMPARE(int(openChoiceDialogs().size()), dialogs);
        QVERIFY(window().isVisible());
        while (boxes_.answer(MessageBoxAnswer::Yes)) {
        }
        flushDeletes();
        QVERIFY(!window_);
        QVERIFY(openChoiceDialogs().isEmpty());
        QVERIFY2(!screen, "the game-over screen closes with the main window");
        QCOMPARE(random_.taken, taken);
    }

    void gameOverKeepsTheLastStatusAndStartBeginsAgain()
    {
        startGame();
        random_.draws = {0.9f, 0.0f, 0.0f};  // arrested, then the day's decline
        actionButton(window(), 0)->click();
        QVERIFY(answerChoiceDialog(2));

        QCOMPARE(buttonsEnabled(window()), (QList<bool>{false, false, false}));
        QCOMPARE(statusTexts(window()), kStartStatus);
        QPointer<frmGameOver> screen = visibleWindows<frmGameOver>().value(0);
        QVERIFY(screen);
        QCOMPARE(screen->lblTitle()->text(), QString("母親逮捕!!"));

        startGame();  // while the game-over screen still flashes
        QCOMPARE(statusTexts(window()), kStartStatus);
        QCOMPARE(buttonsEnabled(window()), (QList<bool>{true, true, true}));
        QVERIFY(screen->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
