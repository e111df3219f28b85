#include "mersenne_random.h"
#include "qt_message_boxes.h"
#include "window_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <array>
#include <chrono>
#include <thread>

using runtime::MersenneRandom;

class RuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void drawsStayBelowOneAndCoverTheRangeEvenly()
    {
        MersenneRandom random;
        random.seed(12345);
        constexpr int kDraws = 1'000'000;
        std::array<int, 16> bins{};
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.next();
            QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r, 'g', 9)));
            QCOMPARE(r * 0x1p24f, std::floor(r * 0x1p24f));  // a multiple of 2^-24
            ++bins[static_cast<int>(r * 16)];
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        for (int count : bins)
            QVERIFY2(std::abs(count - kDraws / 16) < kDraws / 16 / 50, qPrintable(QString::number(count)));
        QVERIFY(lowest < 1e-4f);
        QVERIFY(highest > 1.0f - 1e-4f);
    }

    void sameSeedSameSequence()
    {
        MersenneRandom a, b;
        a.seed(42);
        b.seed(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.next(), b.next());
    }

    void clockSeedsAMillisecondApartDiffer()
    {
        MersenneRandom a, b;
        a.seedFromClock();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        b.seedFromClock();
        bool differ = false;
        for (int i = 0; i < 4 && !differ; ++i)
            differ = a.next() != b.next();
        QVERIFY(differ);
    }

    void realMessageBoxes_data()
    {
        using runtime::MessageBoxAnswer;
        using runtime::MessageBoxButtons;
        QTest::addColumn<MessageBoxButtons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<MessageBoxAnswer>("answer");
        QTest::newRow("End, Enter") << MessageBoxButtons::YesNo << int(Qt::Key_Return) << MessageBoxAnswer::Yes;
        QTest::newRow("End, Esc") << MessageBoxButtons::YesNo << int(Qt::Key_Escape) << MessageBoxAnswer::No;
        QTest::newRow("End, Y") << MessageBoxButtons::YesNo << int(Qt::Key_Y) << MessageBoxAnswer::Yes;
        QTest::newRow("End, N") << MessageBoxButtons::YesNo << int(Qt::Key_N) << MessageBoxAnswer::No;
        QTest::newRow("warning, Enter") << MessageBoxButtons::Ok << int(Qt::Key_Return) << MessageBoxAnswer::Ok;
        QTest::newRow("warning, Esc") << MessageBoxButtons::Ok << int(Qt::Key_Escape) << MessageBoxAnswer::Ok;
    }

    // The real box, as a player sees it: warning icon, the title as caption,
    // a Japanese desktop's button words, wide enough for its caption.
    void realMessageBoxes()
    {
        QFETCH(runtime::MessageBoxButtons, buttons);
        QFETCH(int, key);
        QFETCH(runtime::MessageBoxAnswer, answer);
        QMessageBox::Icon icon{};
        QString caption;
        QStringList texts;
        QString focused;
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            icon = box->icon();
            caption = box->windowTitle();
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            width = box->width();
            if (auto* button = qobject_cast<QAbstractButton*>(box->focusWidget()))
                focused = button->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        QTimer::singleShot(5000, [] {  // a key that answers nothing must not hang the test
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QCOMPARE(runtime::realMessageBoxes().show("終了しますか？", buttons, nullptr), answer);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(caption, QString("～Nabrel～ Orlenby"));
        texts.sort();
        const QStringList expected =
            buttons == runtime::MessageBoxButtons::Ok ? QStringList{"OK"} : QStringList{"いいえ(&N)", "はい(&Y)"};
        QCOMPARE(texts, expected);
        // Enter quits whatever order the desktop's theme gives the buttons.
        if (buttons == runtime::MessageBoxButtons::YesNo)
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
        QCOMPARE(runtime::colorFromDesignValue(value), color);
    }

    void titleUsesTheFullWidthTilde()
    {
        QCOMPARE(runtime::appTitle().size(), 16);
        QCOMPARE(runtime::appTitle().at(0).unicode(), char16_t{0xFF5E});
        QCOMPARE(runtime::appTitle().at(7).unicode(), char16_t{0xFF5E});
    }
};

QTEST_MAIN(RuntimeTest)
#include "runtime_test.moc"
