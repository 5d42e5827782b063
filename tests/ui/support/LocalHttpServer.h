#pragma once
// A tiny HTTP server on 127.0.0.1 (port chosen by the system) inside the test process, so the
// version check and the download are tested without the internet. Each path answers as set up;
// a path that is set to hang accepts the connection and never answers.

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <optional>
#include <vector>

#include "core/update/UpdateSite.h"

namespace kt::test {

struct HttpAnswer {
    int status = 200;
    QByteArray body;
    // The Content-Length sent: nullopt the body's own, -1 none (the body ends with the connection).
    std::optional<qint64> announcedLength;
    bool hang = false;
};

class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    LocalHttpServer();
    void Serve(const QString& path, HttpAnswer answer) { m_answers[path] = std::move(answer); }
    std::string Host() const;
    // A site whose web and download hosts are this server, over http.
    kt::UpdateSite Site() const;
    const std::vector<QString>& Requests() const { return m_requests; }

private:
    void OnReadable(QTcpSocket* socket);

    std::map<QString, HttpAnswer> m_answers;
    std::vector<QString> m_requests;
    std::map<QTcpSocket*, QByteArray> m_pending;
    // Last, so that it goes first: its sockets' last signals still find the maps above.
    QTcpServer m_server;
};

// A site nobody listens on: checks fail at once without leaving the machine.
kt::UpdateSite DeadSite();

}  // namespace kt::test
