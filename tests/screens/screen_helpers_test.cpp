#include "generated/nabrel_facts.h"
#include "screens/design_units.h"
#include "screens/qt_message_boxes.h"
#include "screens/window_frames.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <optional>

class ScreenHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void realMessageBoxes_data()
    {
        using screens::MessageBoxAnswer;
        using screens::MessageBoxButtons;
        QTest::addColumn<MessageBoxButtons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<MessageBoxAnswer>("answer");
        QTest::newRow("End, Enter") << MessageBoxButtons::YesNo << int(Qt::Key_Return) << MessageBoxAnswer::Yes;
        QTest::newRow("End, Esc") << MessageBoxButtons::YesNo << int(Qt::Key_Escape) << MessageBoxAnswer::No;
        QTest::newRow("End, Y") << MessageBoxButtons::YesNo << int(Qt::Key_Y) << MessageBoxAnswer::Yes;
        QTest::newRow("End, N") << MessageBoxButtons::YesNo << int(Qt::Key_N) << MessageBoxAnswer::No;
        QTest::newRow("warning, Enter") << MessageBoxButtons::Ok << int(Qt::Key_Return) << MessageBoxAnswer::Ok;
        QTest::newRow("warning, Esc") << MessageBoxButtons::Ok << int(Qt::Key_Escape) << MessageBoxAnswer::Ok;
        QTest::newRow("End, closed from outside") << MessageBoxButtons::YesNo << 0 << MessageBoxAnswer::No;
    }

    // The real box, as a player sees it: warning icon, the title as caption,
    // a Japanese desktop's button words, wide enough for its caption.
    void realMessageBoxes()
    {
        QFETCH(screens::MessageBoxButtons, buttons);
        QFETCH(int, key);
        QFETCH(screens::MessageBoxAnswer, answer);
        QWidget owner;
        owner.show();
        std::optional<screens::MessageBoxAnswer> answered;
        screens::QtMessageBoxes().open("終了しますか？", buttons, &owner,
                                       [&answered](screens::MessageBoxAnswer a) { answered = a; });
        QPointer<QMessageBox> box = owner.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        const QMessageBox::Icon icon = box->icon();
        const QString caption = box->windowTitle();
        QStringList texts;
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        const int width = box->width();
        auto* focusedButton = qobject_cast<QAbstractButton*>(box->focusWidget());
        const QString focused = focusedButton ? focusedButton->text() : QString();
        QVERIFY(!answered);
        QVERIFY(QTest::qWaitForWindowActive(box, 30000));  // its keys reach it once active
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            box->close();
        QTRY_COMPARE(answered, std::optional<screens::MessageBoxAnswer>(answer));  // Y and N click animated
        QTRY_VERIFY2(!box, "a box is destroyed once answered");
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(caption, QString::fromUtf8(nabrel::kTitle));
        texts.sort();
        const QStringList expected =
            buttons == screens::MessageBoxButtons::Ok ? QStringList{"OK"} : QStringList{"いいえ(&N)", "はい(&Y)"};
        QCOMPARE(texts, expected);
        // Enter quits whatever order the desktop's theme gives the buttons.
        if (buttons == screens::MessageBoxButtons::YesNo)
            QCOMPARE(focused, QString("はい(&Y)"));
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        QVERIFY2(width >= QFontMetrics(titleFont).horizontalAdvance(caption) + 3 * QFontMetrics(titleFont).height(),
                 qPrintable(QString::number(width)));
    }

    void colorsHaveRedInTheLowByte_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << quint32{255} << QColor(255, 0, 0);
        QTest::newRow("green") << quint32{0x00FF00} << QColor(0, 255, 0);
        QTest::newRow("blue") << quint32{0xFF0000} << QColor(0, 0, 255);
        QTest::newRow("mixed") << quint32{0x123456} << QColor(0x56, 0x34, 0x12);
    }

    void colorsHaveRedInTheLowByte()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, color);
        QCOMPARE(screens::colorFromDesignValue(value), color);
    }

    void titleUsesTheFullWidthTilde()
    {
        QCOMPARE(screens::appTitle().size(), 16);
        QCOMPARE(screens::appTitle().at(0).unicode(), char16_t{0xFF5E});
        QCOMPARE(screens::appTitle().at(7).unicode(), char16_t{0xFF5E});
    }
};

QTEST_MAIN(ScreenHelpersTest)
#include "screen_helpers_test.moc"
