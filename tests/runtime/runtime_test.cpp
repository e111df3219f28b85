#include "mersenne_random.h"
#include "message_box.h"
#include "window_helpers.h"

#include <QTest>

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
        random.Seed(12345);
        constexpr int kDraws = 1'000'000;
        std::array<int, 16> bins{};
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.Next();
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
        a.Seed(42);
        b.Seed(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.Next(), b.Next());
    }

    void clockSeedsAMillisecondApartDiffer()
    {
        MersenneRandom a, b;
        a.SeedFromClock();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        b.SeedFromClock();
        bool differ = false;
        for (int i = 0; i < 4 && !differ; ++i)
            differ = a.Next() != b.Next();
        QVERIFY(differ);
    }

    void sharedRandomCanBeReplacedAndRestored()
    {
        struct Constant final : household::RandomSource {
            void SeedFromClock() override {}
            float Next() override { return 0.25f; }
        } constant;
        household::RandomSource& real = runtime::SharedRandom();
        runtime::ReplaceSharedRandom(&constant);
        QCOMPARE(runtime::SharedRandom().Next(), 0.25f);
        runtime::ReplaceSharedRandom(nullptr);
        QCOMPARE(&runtime::SharedRandom(), &real);
    }

    void messageBoxesGoThroughTheResponder()
    {
        QStringList seen;
        auto previous = runtime::SetMessageBoxResponder(
            [&](const QString& text, runtime::MessageBoxButtons buttons) {
                seen << text;
                return buttons == runtime::MessageBoxButtons::YesNo ? runtime::MessageBoxAnswer::No
                                                                    : runtime::MessageBoxAnswer::Ok;
            });
        QCOMPARE(runtime::ShowMessageBox("お金が足りません", runtime::MessageBoxButtons::Ok),
                 runtime::MessageBoxAnswer::Ok);
        QCOMPARE(runtime::ShowMessageBox("終了しますか？", runtime::MessageBoxButtons::YesNo),
                 runtime::MessageBoxAnswer::No);
        runtime::SetMessageBoxResponder(previous);
        QCOMPARE(seen, (QStringList{"お金が足りません", "終了しますか？"}));
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
        QCOMPARE(runtime::ColorFromDesignValue(value), color);
    }

    void titleUsesTheFullWidthTilde()
    {
        QCOMPARE(runtime::AppTitle().size(), 16);
        QCOMPARE(runtime::AppTitle().at(0).unicode(), char16_t{0xFF5E});
        QCOMPARE(runtime::AppTitle().at(7).unicode(), char16_t{0xFF5E});
    }
};

QTEST_GUILESS_MAIN(RuntimeTest)
#include "runtime_test.moc"
