#include "ui/app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

}  // namespace

QString InstanceServerName(const std::string& dataFolder) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("kinetrax-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool AskRunningInstanceToShow(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

CInstanceServer::CInstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kShowRequest)) emit ShowRequested();
            });
        }
    });
}

bool CInstanceServer::Listen(const QString& name) {
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

}  // namespace kt::ui
