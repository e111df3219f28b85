#include "basNabrel.h"
#include "choice_dialog_driver.h"
#include "dialog_choice_prompt.h"
#include "focus_chain.h"
#include "font_substitution.h"
#include "household_fakes.h"
#include "household_game.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct NoWarnings final : household::WarningBox {
    void showWarning(const std::string&) override {}
};

struct FixedRandom final : household::RandomSource {
    void seedFromClock() override {}
    float next() override { return 0.0f; }
};

// A running game whose actions ask through the real choice dialog.
struct GameWithRealDialog {
    FixedRandom random;
    DialogChoicePrompt prompt;
    NoWarnings warnings;
    household::testing::RecordingScreens screens;
    household::HouseholdState state;
    household::HouseholdGame game{state, random, prompt, warnings, screens};

    GameWithRealDialog() { game.start(); }
};

}  // namespace

class ChoiceDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { runtime::installFontSubstitutions(); }
    void cleanup()
    {
        flushDeletes();
        QVERIFY(openChoiceDialogs().isEmpty());
    }

    void answers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("expected");
        QTest::newRow("left button") << "button0" << 1;
        QTest::newRow("middle button") << "button1" << 2;
        QTest::newRow("cancel button") << "cancel" << -1;
        QTest::newRow("Esc") << "esc" << -1;
        QTest::newRow("Enter on open") << "enter" << 1;
        QTest::newRow("closed from outside") << "close" << -1;
        QTest::newRow("destroyed while waiting") << "delete" << -1;
    }

    void answers()
    {
        QFETCH(QString, how);
        QFETCH(int, expected);
        whenChoiceDialogOpens([how](frmDialog* dialog) {
            if (how == "button0")
                QTest::mouseClick(dialog->btnButton(0), Qt::LeftButton);
            else if (how == "button1")
                QTest::mouseClick(dialog->btnButton(1), Qt::LeftButton);
            else if (how == "cancel")
                QTest::mouseClick(dialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
            else if (how == "esc")
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
            else if (how == "enter")
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            else if (how == "close")
                dialog->close();
            else
                delete dialog;
        });
        DialogResult = 1;  // the previous question's answer: never returned for this one
        QCOMPARE(ShowChoiceDialog("労働内容を選択して下さい。", "内職", "援助交際"), expected);
        QCOMPARE(int(DialogResult), expected);
        QVERIFY2(openChoiceDialogs().isEmpty(), "the dialog has closed before the call returns");
    }

    void matchesItsDesign()
    {
        whenChoiceDialogOpens([](frmDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("コマンド"));
            QCOMPARE(dialog->geometry(), QRect(184, 250, 270, 94));
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            const Qt::WindowFlags flags = dialog->windowFlags();
            QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

            struct Control { const char* name; QRect geometry; };
            for (const Control& c : {Control{"btnButton(1)", {96, 56, 81, 25}},
                                     Control{"CancelButton", {184, 56, 81, 25}},
                                     Control{"btnButton(0)", {8, 56, 81, 25}},
                                     Control{"lblLabel", {16, 16, 249, 25}}}) {
                auto* control = dialog->findChild<QWidget*>(c.name);
                QVERIFY2(control, c.name);
                QCOMPARE(control->geometry(), c.geometry);
            }
            QCOMPARE(dialog->findChild<QPushButton*>("CancelButton")->text(), QString("キャンセル"));
            QCOMPARE(dialog->lblLabel()->text(), QString("食べる人を選択して下さい。"));
            QCOMPARE(dialog->btnButton(0)->text(), QString("母"));
            QCOMPARE(dialog->btnButton(1)->text(), QString("娘"));

            dialog->lblLabel()->ensurePolished();
            const QFont font = dialog->lblLabel()->font();
            QCOMPARE(font.family(), QString("ＭＳ Ｐゴシック"));
            QCOMPARE(font.pointSizeF(), 12.0);
            QVERIFY(!font.bold());

            QCOMPARE(dialog->focusWidget(), dialog->btnButton(0));
            QCOMPARE(nextTabStop(dialog->btnButton(0)), dialog->btnButton(1));
            QCOMPARE(nextTabStop(dialog->btnButton(1)), dialog->findChild<QPushButton*>("CancelButton"));
            QCOMPARE(nextTabStop(dialog->findChild<QPushButton*>("CancelButton")), dialog->btnButton(0));
            dialog->btnButton(0)->click();
        });
        QCOMPARE(ShowChoiceDialog("食べる人を選択して下さい。", "母", "娘"), 1);
    }

    void eachCallGetsAFreshDialog()
    {
        QPointer<frmDialog> first;
        whenChoiceDialogOpens([&first](frmDialog* dialog) {
            first = dialog;
            dialog->btnButton(1)->setFocus();  // leave the focus elsewhere
            dialog->btnButton(0)->click();
        });
        QCOMPARE(ShowChoiceDialog("食べ物を選択して下さい。", "カップ麺", "醤油"), 1);
        flushDeletes();
        QVERIFY2(!first, "an answered dialog is destroyed");

        whenChoiceDialogOpens([](frmDialog* dialog) {
            QCOMPARE(dialog->lblLabel()->text(), QString("食べる人を選択して下さい。"));
            QCOMPARE(dialog->btnButton(0)->text(), QString("母"));
            QCOMPARE(dialog->focusWidget(), dialog->btnButton(0));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(ShowChoiceDialog("食べる人を選択して下さい。", "母", "娘"), 2);
    }

    void emptyTextsAreAccepted()
    {
        whenChoiceDialogOpens([](frmDialog* dialog) {
            QVERIFY(dialog->lblLabel()->text().isEmpty());
            QVERIFY(dialog->btnButton(0)->text().isEmpty());
            QVERIFY(dialog->btnButton(1)->text().isEmpty());
            dialog->btnButton(1)->click();
        });
        QCOMPARE(ShowChoiceDialog("", "", ""), 2);
    }

    void aSecondActionWhilePendingOpensNothing()
    {
        GameWithRealDialog playing;
        household::HouseholdGame& game = playing.game;

        whenChoiceDialogOpens([&game](frmDialog* dialog) {
            game.shopping();
            game.meal();
            QCOMPARE(openChoiceDialogs().size(), 1);
            QCOMPARE(openChoiceDialogs().front(), dialog);
            dialog->btnButton(0)->click();
        });
        game.work();
        QCOMPARE(playing.state.Money, 300);
        QCOMPARE(playing.screens.day(), 2);
    }

    void startWhilePendingCancelsTheChoice()
    {
        GameWithRealDialog playing;
        household::HouseholdGame& game = playing.game;

        whenChoiceDialogOpens([&game](frmDialog*) { game.start(); });
        game.work();
        QCOMPARE(int(DialogResult), -1);
        QCOMPARE(playing.state.Money, 100);
        QCOMPARE(playing.screens.day(), 1);
        QVERIFY(openChoiceDialogs().isEmpty());
    }
};

QTEST_MAIN(ChoiceDialogTest)
#include "choice_dialog_test.moc"
