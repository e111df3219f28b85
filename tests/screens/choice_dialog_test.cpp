#include "basNabrel.h"
#include "choice_dialog_driver.h"
#include "dialog_choice_prompt.h"
#include "focus_chain.h"
#include "font_substitution.h"
#include "household_game.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct NoWarnings final : household::WarningBox {
    void ShowWarning(const std::string&) override {}
};

struct NoScreens final : household::TurnScreens {
    void SetActionButtonEnabled(household::ActionButton, bool) override {}
    void SetStatusCaption(household::StatusLabel, const std::string&) override {}
    void SetGameOverTitle(const std::string&) override {}
    void ShowGameOver() override {}
};

struct FixedRandom final : household::RandomSource {
    void SeedFromClock() override {}
    float Next() override { return 0.0f; }
};

// A running game whose actions ask through the real choice dialog.
struct GameWithRealDialog {
    FixedRandom random;
    DialogChoicePrompt prompt;
    NoWarnings warnings;
    NoScreens screens;
    household::HouseholdGame game{random, prompt, warnings, screens};

    GameWithRealDialog() { game.Start(); }
};

}  // namespace

class ChoiceDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { runtime::InstallFontSubstitutions(); }
    void cleanup()
    {
        FlushDeletes();
        QVERIFY(OpenChoiceDialogs().isEmpty());
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
        WhenChoiceDialogOpens([how](frmDialog* dialog) {
            if (how == "button0")
                QTest::mouseClick(dialog->btnButton(0), Qt::LeftButton);
            else if (how == "button1")
                QTest::mouseClick(dialog->btnButton(1), Qt::LeftButton);
            else if (how == "cancel")
                QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
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
        QVERIFY2(OpenChoiceDialogs().isEmpty(), "the dialog has closed before the call returns");
    }

    void matchesItsDesign()
    {
        WhenChoiceDialogOpens([](frmDialog* dialog) {
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
            QCOMPARE(dialog->CancelButton()->text(), QString("キャンセル"));
            QCOMPARE(dialog->lblLabel()->text(), QString("食べる人を選択して下さい。"));
            QCOMPARE(dialog->btnButton(0)->text(), QString("母"));
            QCOMPARE(dialog->btnButton(1)->text(), QString("娘"));

            dialog->lblLabel()->ensurePolished();
            const QFont font = dialog->lblLabel()->font();
            QCOMPARE(font.family(), QString("ＭＳ Ｐゴシック"));
            QCOMPARE(font.pointSizeF(), 12.0);
            QVERIFY(!font.bold());

            QCOMPARE(dialog->focusWidget(), dialog->btnButton(0));
            QCOMPARE(NextTabStop(dialog->btnButton(0)), dialog->btnButton(1));
            QCOMPARE(NextTabStop(dialog->btnButton(1)), dialog->CancelButton());
            QCOMPARE(NextTabStop(dialog->CancelButton()), dialog->btnButton(0));
            dialog->btnButton(0)->click();
        });
        QCOMPARE(ShowChoiceDialog("食べる人を選択して下さい。", "母", "娘"), 1);
    }

    void eachCallGetsAFreshDialog()
    {
        QPointer<frmDialog> first;
        WhenChoiceDialogOpens([&first](frmDialog* dialog) {
            first = dialog;
            dialog->btnButton(1)->setFocus();  // leave the focus elsewhere
            dialog->btnButton(0)->click();
        });
        QCOMPARE(ShowChoiceDialog("食べ物を選択して下さい。", "カップ麺", "醤油"), 1);
        FlushDeletes();
        QVERIFY2(!first, "an answered dialog is destroyed");

        WhenChoiceDialogOpens([](frmDialog* dialog) {
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
        WhenChoiceDialogOpens([](frmDialog* dialog) {
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

        WhenChoiceDialogOpens([&game](frmDialog* dialog) {
            game.Shopping();
            game.Meal();
            QCOMPARE(OpenChoiceDialogs().size(), 1);
            QCOMPARE(OpenChoiceDialogs().front(), dialog);
            dialog->btnButton(0)->click();
        });
        game.Work();
        QCOMPARE(game.state().Money, 300);
        QCOMPARE(game.turnCycle().Day(), std::int16_t{2});
    }

    void startWhilePendingCancelsTheChoice()
    {
        GameWithRealDialog playing;
        household::HouseholdGame& game = playing.game;

        WhenChoiceDialogOpens([&game](frmDialog*) { game.Start(); });
        game.Work();
        QCOMPARE(int(DialogResult), -1);
        QCOMPARE(game.state().Money, 100);
        QCOMPARE(game.turnCycle().Day(), std::int16_t{1});
        QVERIFY(OpenChoiceDialogs().isEmpty());
    }
};

QTEST_MAIN(ChoiceDialogTest)
#include "choice_dialog_test.moc"
