#include "generated/nabrel_facts.h"
#include "screens/font_substitution.h"
#include "screens/frmMain.h"
#include "screens/frmOpening.h"
#include "tests/household/household_fakes.h"
#include "tests/screens/fixed_motion_preference.h"
#include "tests/screens/scripted_message_boxes.h"
#include "tests/screens/window_queries.h"

#include "tests/screens/main_window_controls.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QList<frmMain*> mainWindows()
{
    return visibleWindows<frmMain>();
}

}  // namespace

class TitleScreenTest : public QObject {
    Q_OBJECT

    ScriptedMessageBoxes boxes_;
    household::testing::ScriptedRandom random_;
    FixedMotionPreference motion_;

private slots:
    void initTestCase() { screens::installFontSubstitutions(); }

    void cleanup()
    {
        for (frmMain* main : mainWindows())
            QVERIFY(quitAndAwaitDestruction(main, boxes_));
    }

    void design()
    {
        frmOpening screen({random_, boxes_, motion_});
        QCOMPARE(screen.windowTitle(), QString::fromUtf8(nabrel::kTitle));
        QCOMPARE(screen.size(), QSize(402, 213));
        QCOMPARE(screen.minimumSize(), screen.maximumSize());
        const Qt::WindowFlags flags = screen.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

        struct Control { const char* name; QRect geometry; const char* family; qreal size; bool bold; };
        for (const Control& c : {Control{"lblCopyRight", {32, 128, 345, 25}, "ＭＳ Ｐゴシック", 14.25, false},
                                 Control{"lblSubTitle", {48, 80, 289, 25}, "ＭＳ Ｐゴシック", 15.75, true},
                                 Control{"lblTitle", {48, 16, 297, 49}, "ＭＳ Ｐ明朝", 36, true}}) {
            auto* label = screen.findChild<QLabel*>(c.name);
            QVERIFY2(label, c.name);
            label->ensurePolished();
            QCOMPARE(label->geometry(), c.geometry);
            QCOMPARE(label->font().family(), QString(c.family));
            QCOMPARE(label->font().pointSizeF(), c.size);
            QCOMPARE(label->font().bold(), c.bold);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(screen.findChild<QLabel*>("lblTitle")->text(), QString("～Nabrel～"));
        QCOMPARE(screen.findChild<QLabel*>("lblSubTitle")->text(), QString("Orlenby"));
        QVERIFY(screen.findChild<QLabel*>("lblSubTitle")->alignment() & Qt::AlignHCenter);
        const QString credit = screen.findChild<QLabel*>("lblCopyRight")->text();
        QVERIFY(!credit.isEmpty() && !credit.contains('\n'));
        QCOMPARE(screen.findChild<QPushButton*>("cmdStartButton")->geometry(), QRect(160, 168, 81, 25));
        QCOMPARE(screen.findChild<QPushButton*>("cmdStartButton")->text(), QString("START!"));
        QCOMPARE(screen.focusWidget(), screen.findChild<QPushButton*>("cmdStartButton"));
    }

    void startOpensTheMainWindowAndCloses_data()
    {
        QTest::addColumn<int>("key");  // 0: mouse click
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void startOpensTheMainWindowAndCloses()
    {
        QFETCH(int, key);
        QPointer<frmOpening> screen = new frmOpening({random_, boxes_, motion_});
        screen->show();
        QVERIFY(mainWindows().isEmpty());
        if (key)
            QTest::keyClick(screen->focusWidget(), Qt::Key(key));
        else
            QTest::mouseClick(screen->findChild<QPushButton*>("cmdStartButton"), Qt::LeftButton);

        const QList<frmMain*> mains = mainWindows();
        QCOMPARE(mains.size(), 1);
        QVERIFY(!gamePlaying(*mains.front()));
        flushDeletes();
        QVERIFY2(!screen, "the title screen is destroyed");
    }
};

QTEST_MAIN(TitleScreenTest)
#include "title_screen_test.moc"
