// "vitalune --remind" against a stand-in notification service on a private session bus; run
// under dbus-run-session, which gives the test and the program the same bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a desktop's notification service answers, and what it was sent.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_PROPERTY(bool Inhibited READ Inhibited)
  public:
    bool inhibited = false;
    QStringList sent;  // "app|icon|summary|body|desktop-entry"
    bool Inhibited() const { return inhibited; }

  public slots:
    QStringList GetCapabilities() {
        return {QStringLiteral("body"), QStringLiteral("body-markup")};
    }
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        sent << QStringList{app, icon, summary, body,
                            hints.value(QStringLiteral("desktop-entry")).toString()}
                    .join(QLatin1Char('|'));
        return static_cast<uint>(sent.size());
    }
};

}  // namespace

class RemindTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void tellsWhoIsCritical_data();
    void tellsWhoIsCritical();

  private:
    FakeNotifications m_service;
};

void RemindTest::initTestCase() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY2(bus.isConnected(), "run under dbus-run-session");
    QVERIFY(
        bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_service,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
}

void RemindTest::tellsWhoIsCritical_data() {
    QTest::addColumn<QByteArray>("persons");
    QTest::addColumn<QString>("service");  // "on", "paused" or "none"
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("said");  // on stderr
    // On 8 December 2026: born that day, all four rhythms start; born 22 days before, the
    // physical one starts again the day after.
    const QByteArray critical = "Tom & Jerry|08.12.2026|M\r\nBob|16.11.2026|M\r\n";
    QTest::newRow("shown") << critical << "on"
                           << "Vitalune|vitalune|A critical day today|Today: Tom &amp; Jerry "
                              "(physical, emotional, intellectual, intuitive)\n"
                              "Tomorrow: Bob (physical)|com.qor.vitalune"
                           << "";
    QTest::newRow("do not disturb") << critical << "paused"
                                    << ""
                                    << "vitalune: notifications are paused (do not disturb), not "
                                       "shown: A critical day today";
    QTest::newRow("no service") << critical << "none"
                                << ""
                                << "vitalune: no desktop notification service, not shown";
    QTest::newRow("nobody critical") << QByteArray("Dan|30.08.2026|M\r\n") << "on"
                                     << ""
                                     << "";
}

void RemindTest::tellsWhoIsCritical() {
    QFETCH(QByteArray, persons);
    QFETCH(QString, service);
    QFETCH(QString, sent);
    QFETCH(QString, said);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString name = QStringLiteral("org.freedesktop.Notifications");
    if (service == QLatin1String("none")) {
        bus.unregisterService(name);
    } else {
        QVERIFY(bus.registerService(name) || bus.interface()->isServiceRegistered(name));
    }
    m_service.inhibited = service == QLatin1String("paused");
    m_service.sent.clear();

    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("data"));
    QFile db(home.filePath(QStringLiteral("data/db.rec")));
    QVERIFY(db.open(QIODevice::WriteOnly));
    db.write("#My profiles|2\r\n" + persons + "#Others|1\r\nAnn|08.12.2026|F\r\n");
    db.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.remove(QStringLiteral("VITALUNE_DATA_DIR"));
    program.setProcessEnvironment(env);
    QSignalSpy finished(&program, &QProcess::finished);
    program.start(
        QStringLiteral(VITALUNE_PROGRAM),
        {QStringLiteral("--remind"), QStringLiteral("--date"), QStringLiteral("2026-12-08"),
         QStringLiteral("--data-dir"), home.filePath(QStringLiteral("data"))});
    // The service answers from this event loop while the program waits for it.
    QVERIFY(finished.wait(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(m_service.sent.join(QLatin1Char('\n')), sent);
    const QString stderrText = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(said.isEmpty() ? stderrText.isEmpty() : stderrText.startsWith(said),
             qPrintable(stderrText));
}

QTEST_GUILESS_MAIN(RemindTest)
#include "Remind_test.moc"
