#include "ui/support/LocalHttpServer.h"

#include <QHostAddress>

namespace kt::test {

LocalHttpServer::LocalHttpServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.erase(socket); });
        }
    });
}

std::string LocalHttpServer::Host() const { return "127.0.0.1:" + std::to_string(m_server.serverPort()); }

kt::UpdateSite LocalHttpServer::Site() const { return {"http", Host(), Host(), "help@example.org", "Quorvane Software"}; }

void LocalHttpServer::OnReadable(QTcpSocket* socket) {
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n")) return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
    buffer.clear();
    m_requests.push_back(path);
    auto it = m_answers.find(path);
    const HttpAnswer answer = it != m_answers.end() ? it->second : HttpAnswer{404, "not here", std::nullopt, false};
    if (answer.hang) return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nConnection: close\r\n";
    const qint64 length = answer.announcedLength.value_or(answer.body.size());
    if (length >= 0) head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    socket->write(head + "\r\n" + answer.body);
    socket->disconnectFromHost();
}

kt::UpdateSite DeadSite() { return {"http", "127.0.0.1:1", "127.0.0.1:1", "help@example.org", "Quorvane Software"}; }

}  // namespace kt::test
