#include "gui/platform/SingleInstance.h"

#include <signal.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QUuid>
#include <algorithm>
#include <array>

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartRaisesFirstAndEnds();
    void staleNameFromCrashDoesNotBlock();
    void threeStartsAtOnceLeaveOne();

  private:
    static QString UniqueName() {
        return QStringLiteral("vitalune-test-") + QUuid::createUuid().toString(QUuid::Id128);
    }
    static bool WaitForLine(QProcess& p, const QByteArray& line) {
        QByteArray seen;
        while (!seen.contains(line)) {
            if (!p.waitForReadyRead(10000)) {
                return false;
            }
            seen += p.readAllStandardOutput();
        }
        return true;
    }
};

void SingleInstanceTest::secondStartRaisesFirstAndEnds() {
    const QString name = UniqueName();
    QProcess first;
    first.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name});
    QVERIFY(WaitForLine(first, "first"));

    QProcess second;
    second.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 3);

    QVERIFY(WaitForLine(first, "raised"));
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);
}

void SingleInstanceTest::staleNameFromCrashDoesNotBlock() {
    const QString name = UniqueName();
    QProcess crashed;
    crashed.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name});
    QVERIFY(WaitForLine(crashed, "first"));
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);  // leaves its socket file behind
    QVERIFY(crashed.waitForFinished(10000));

    QProcess next;
    next.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name});
    QVERIFY(WaitForLine(next, "first"));
    // It really took the name over: a third start finds it.
    QProcess third;
    third.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name});
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 3);
    QVERIFY(WaitForLine(next, "raised"));
    next.kill();
    next.waitForFinished(10000);
}

// Starts at the same moment race for the name; exactly one may win, round after round.
void SingleInstanceTest::threeStartsAtOnceLeaveOne() {
    for (int round = 0; round < 30; ++round) {
        const QString name = UniqueName();
        std::array<QProcess, 3> starts;
        for (QProcess& start : starts) {
            start.start(QStringLiteral(SINGLE_INSTANCE_HELPER), {name, QStringLiteral("stay")});
        }
        const auto ended = [&starts] {
            return std::count_if(starts.begin(), starts.end(), [](const QProcess& start) {
                return start.state() == QProcess::NotRunning;
            });
        };
        QElapsedTimer waited;
        waited.start();
        while (ended() < 2 && waited.elapsed() < 10000) {
            for (QProcess& start : starts) {
                start.waitForFinished(10);
            }
        }
        int running = 0;
        for (QProcess& start : starts) {
            if (start.state() == QProcess::NotRunning) {
                QCOMPARE(start.exitCode(), 3);
            } else {
                ++running;
                start.kill();
                start.waitForFinished(10000);
            }
        }
        QVERIFY2(running == 1,
                 qPrintable(QStringLiteral("round %1: %2 running").arg(round).arg(running)));
    }
}

int RunSingleInstanceTests(int argc, char** argv) {
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstance_test.moc"
