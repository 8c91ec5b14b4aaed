#include "gui/platform/SingleInstance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace vitalune {

namespace {
constexpr int kConnectMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

QString SingleInstance::DefaultName() {
    return QStringLiteral("Wavetides13_exists-%1").arg(::getuid());
}

bool SingleInstance::Acquire() {
    QLocalSocket first;
    first.connectToServer(m_name);
    if (first.waitForConnected(kConnectMs)) {
        first.write(kRaise);
        first.waitForBytesWritten(kConnectMs);
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
