#include "ui/app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

}  // namespace

QString InstanceServerName(const std::string& dataFolder) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("kinetrax-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
    // The user's own runtime folder where the desktop gives one: nobody else can take the name
    // there. Otherwise Qt puts the socket into the temporary folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime + QLatin1Char('/') + name;
    return name;
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
