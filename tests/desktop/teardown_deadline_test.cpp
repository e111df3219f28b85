#include "desktop/teardown_deadline.h"

#include <QTest>

#include <chrono>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

class TeardownDeadlineTest : public QObject {
    Q_OBJECT

private slots:
    void endsAStuckTeardown_data()
    {
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<int>("teardownMs");
        QTest::addColumn<int>("status");
        QTest::newRow("stuck: ends with the loop's code") << 100 << 60'000 << 7;
        QTest::newRow("in time: ends as it would, even after the deadline") << 300 << 10 << 0;
    }
    // A child process arms a deadline, spends teardownMs before the deadline
    // goes, then lives on past the deadline and ends with 0.
    void endsAStuckTeardown()
    {
        QFETCH(int, deadlineMs);
        QFETCH(int, teardownMs);
        QFETCH(int, status);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            {
                desktop::TeardownDeadline deadline{std::chrono::milliseconds(deadlineMs)};
                deadline.arm(7);
                std::this_thread::sleep_for(std::chrono::milliseconds(teardownMs));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2 * deadlineMs));
            _exit(0);
        }
        int wstatus = 0;
        pid_t ended = 0;
        for (const auto giveUp = std::chrono::steady_clock::now() + 20s;
             ended == 0 && std::chrono::steady_clock::now() < giveUp; std::this_thread::sleep_for(10ms))
            ended = waitpid(child, &wstatus, WNOHANG);
        if (ended == 0) {
            kill(child, SIGKILL);
            waitpid(child, &wstatus, 0);
            QFAIL("the child did not end");
        }
        QVERIFY(WIFEXITED(wstatus));
        QCOMPARE(WEXITSTATUS(wstatus), status);
    }
};

QTEST_GUILESS_MAIN(TeardownDeadlineTest)
#include "teardown_deadline_test.moc"
