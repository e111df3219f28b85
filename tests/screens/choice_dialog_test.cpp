#include "screens/basNabrel.h"
#include "screens/font_substitution.h"
#include "tests/screens/choice_dialog_driver.h"
#include "tests/screens/focus_chain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// A question through ShowChoiceDialog, and the answer it hands on.
struct Asked {
    QPointer<frmDialog> dialog;
    std::optional<int> answer;
    bool closedFirst = false;  // the dialog had closed when the answer came

    Asked(const QString& prompt, const QString& option1, const QString& option2, QWidget* owner = nullptr)
    {
        dialog = ShowChoiceDialog(prompt, option1, option2, owner, [this](std::int16_t result) {
            answer = result;
            closedFirst = !dialog->isVisible();
        });
    }
};

}  // namespace

class ChoiceDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { screens::installFontSubstitutions(); }
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
        QTest::newRow("gone with its owner") << "owner" << 0;
    }

    void answers()
    {
        QFETCH(QString, how);
        QFETCH(int, expected);
        auto owner = std::make_unique<QWidget>();
        Asked asked("労働内容を選択して下さい。", "内職", "援助交際", owner.get());
        frmDialog* dialog = asked.dialog;
        QVERIFY(dialog->isVisible());
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
            owner.reset();
        if (expected == 0) {
            QVERIFY(!asked.dialog);
            QVERIFY2(!asked.answer, "a dialog that goes with its owner answers nothing");
            return;
        }
        QCOMPARE(asked.answer, std::optional<int>(expected));
        QVERIFY2(asked.closedFirst, "the dialog has closed before its answer arrives");
    }

    void matchesItsDesign()
    {
        Asked asked("食べる人を選択して下さい。", "母", "娘");
        frmDialog* dialog = asked.dialog;
        QCOMPARE(dialog->windowTitle(), QString("コマンド"));
        QCOMPARE(dialog->geometry(), QRect(184, 250, 270, 94));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowMinimizeButtonHint)));

        struct Control { const char* name; QRect geometry; };
        for (const Control& c : {Control{"btnButton(1)", {96, 56, 81, 25}}, Control{"CancelButton", {184, 56, 81, 25}},
                                 Control{"btnButton(0)", {8, 56, 81, 25}}, Control{"lblLabel", {16, 16, 249, 25}}}) {
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
        QCOMPARE(asked.answer, std::optional<int>(1));
    }

    void eachCallGetsAFreshDialog()
    {
        Asked food("食べ物を選択して下さい。", "カップ麺", "醤油");
        food.dialog->btnButton(1)->setFocus();  // leave the focus elsewhere
        food.dialog->btnButton(0)->click();
        flushDeletes();
        QVERIFY2(!food.dialog, "an answered dialog is destroyed");

        Asked eater("食べる人を選択して下さい。", "母", "娘");
        frmDialog* dialog = eater.dialog;
        QCOMPARE(dialog->lblLabel()->text(), QString("食べる人を選択して下さい。"));
        QCOMPARE(dialog->btnButton(0)->text(), QString("母"));
        QCOMPARE(dialog->focusWidget(), dialog->btnButton(0));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        QCOMPARE(eater.answer, std::optional<int>(2));
    }

    void emptyTextsAreAccepted()
    {
        Asked asked("", "", "");
        QVERIFY(asked.dialog->lblLabel()->text().isEmpty());
        QVERIFY(asked.dialog->btnButton(0)->text().isEmpty());
        QVERIFY(asked.dialog->btnButton(1)->text().isEmpty());
        asked.dialog->btnButton(1)->click();
        QCOMPARE(asked.answer, std::optional<int>(2));
    }
};

QTEST_MAIN(ChoiceDialogTest)
#include "choice_dialog_test.moc"
