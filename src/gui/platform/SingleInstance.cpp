#include "gui/platform/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace vitalune {

namespace {
constexpr int kConnectMs = 1000;
// The first program answers once its window is up, which on a large database or a busy
// machine takes a while after it began to listen.
constexpr int kAnswerMs = 10000;
constexpr int kRetryMs = 20;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kFolder = QByteArrayLiteral("folder ");

// Where QLocalServer puts a socket of this name, plus ".lock".
QString LockPathFor(const QString& name) {
    const QString socket = QDir::isAbsolutePath(name) ? name : QDir::temp().filePath(name);
    return socket + QStringLiteral(".lock");
}

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_lock(LockPathFor(m_name)) {
    // Held for the whole run: only a lock whose process is gone counts as stale.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

QString SingleInstance::DefaultName() {
    const QString name = QStringLiteral("Wavetides13_exists-%1").arg(::getuid());
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Without a runtime folder Qt's own choice, the temporary folder, is all there is.
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

bool SingleInstance::Acquire(const QString& dataFolder) {
    m_dataFolder = dataFolder;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (m_lock.tryLock(0)) {
            break;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            break;  // no lock can be made here: run as first rather than not at all
        }
        // The holder may not listen yet: it took the lock a moment ago.
        if (AskFirst() || waited.elapsed() > kAnswerMs) {
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    // Whatever socket file is left is stale: the lock says nobody else is first.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Should listening fail, the program still runs; it only loses the single-instance rule.
    m_server.listen(m_name);
    return true;
}

bool SingleInstance::AskFirst() {
    QLocalSocket first;
    first.connectToServer(m_name);
    if (!first.waitForConnected(kConnectMs)) {
        return false;
    }
    first.write(kRaise);
    first.waitForBytesWritten(kConnectMs);
    // The first one tells its folder as soon as it sees the connection; the answer may have
    // come in while the request went out.
    QByteArray answer = first.readAll();
    while (!answer.contains('\n') && first.waitForReadyRead(kAnswerMs)) {
        answer += first.readAll();
    }
    if (answer.startsWith(kFolder)) {
        m_runningFolder = QString::fromUtf8(answer.mid(kFolder.size()).trimmed());
    }
    first.disconnectFromServer();
    return true;
}

void SingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        socket->write(kFolder + m_dataFolder.toUtf8() + '\n');
        const auto readRequest = [this, socket] {
            if (socket->readAll().contains("raise")) {
                emit raiseRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) {
            readRequest();
        }
    }
}

}  // namespace vitalune
