#include "gui/platform/SingleInstance.h"

#include <signal.h>

#include <QProcess>
#include <QTest>
#include <QUuid>

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartRaisesFirstAndEnds();
    void staleNameFromCrashDoesNotBlock();

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

int RunSingleInstanceTests(int argc, char** argv) {
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstance_test.moc"
