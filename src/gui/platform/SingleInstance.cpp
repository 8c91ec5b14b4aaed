#include "gui/platform/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace vitalune {

namespace {
constexpr int kConnectMs = 1000;
// The first program answers once its window is up, which on a large database or a busy
// machine takes a while after it began to listen.
constexpr int kAnswerMs = 10000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kFolder = QByteArrayLiteral("folder ");
}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {
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
    QLocalSocket first;
    first.connectToServer(m_name);
    if (first.waitForConnected(kConnectMs)) {
        first.write(kRaise);
        first.waitForBytesWritten(kConnectMs);
        // The first one tells its folder as soon as it sees the connection.
        QByteArray answer;
        while (!answer.contains('\n') && first.waitForReadyRead(kAnswerMs)) {
            answer += first.readAll();
        }
        if (answer.startsWith(kFolder)) {
            m_runningFolder = QString::fromUtf8(answer.mid(kFolder.size()).trimmed());
        }
        first.disconnectFromServer();
        return false;
    }
    // Nobody answers: any socket file left is stale.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Should listening fail, the program still runs; it only loses the single-instance rule.
    m_server.listen(m_name);
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
