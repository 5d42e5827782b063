#pragma once
// One running program per journal, and a second start that hands over instead of failing: the
// program that holds the data folder's lock listens on a local socket named after the folder; a
// second start finds the lock taken, asks that program to show its window and ends without
// touching a file.

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;

namespace kt::ui {

// The socket name of the program that owns `dataFolder`: per user and per folder.
QString InstanceServerName(const std::string& dataFolder);

// Asks the program listening on `name` to show its window. False when nobody answered in time.
bool AskRunningInstanceToShow(const QString& name, int timeoutMs = 2000);

class CInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit CInstanceServer(QObject* parent = nullptr);
    // Listens on `name`. The caller holds the folder's lock, so a socket file left by a program
    // that was killed is stale and may be removed first.
    bool Listen(const QString& name);

signals:
    void ShowRequested();

private:
    QLocalServer* m_server;
};

}  // namespace kt::ui
