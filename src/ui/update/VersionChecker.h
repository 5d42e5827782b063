#pragma once
// The version check on the Qt side: fetches <name>Version.txt from the maker's web host, lets
// core decide what it means, and shows the update dialog. A check never hangs the program: an
// answer that does not come within the time-out counts as no answer.
//
// Start() returns at once (the check at start-up: the window comes up while the server is
// asked); Run() waits for the answer with user input held back (the Help menu and the maker's
// exit path), then shows the dialog. Either way finished() tells whether the user started the
// installer, in which case the caller ends the program through its normal close, so that nothing
// unsaved is lost.

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"
#include "core/update/VersionCheck.h"

class QNetworkAccessManager;

namespace kt {
class Prompter;
}
class QWidget;

namespace kt::ui {

class CVersionChecker : public QObject {
    Q_OBJECT
public:
    // `dialogParent` owns the checker and parents its dialogs (may be null); `ownPath` is the program
    // file, whose name stands in for an empty base name; `prompter` (the session's) says what
    // went wrong and must outlive the checker.
    CVersionChecker(const kt::CFileVersionInfo& own, const kt::UpdateSite& site, std::string ownPath, kt::Prompter& prompter,
                    QWidget* dialogParent = nullptr);
    ~CVersionChecker() override;

    // A server that does not answer within this many milliseconds is given up (5 s by default).
    void SetTimeoutMs(int ms) { m_timeoutMs = ms; }
    // The update dialog's transfer time-out for the download.
    void SetDownloadTimeoutMs(int ms) { m_downloadTimeoutMs = ms; }

    void Start(const kt::CheckRequest& request);
    // True when the user started the installer.
    bool Run(const kt::CheckRequest& request);
    bool Busy() const { return m_reply != nullptr; }

    // WriteVersionFile at exit: in the maker's build tree it writes the version file and then
    // checks whether the server still holds an older version.
    void WriteVersionFile(const std::string& baseName);

signals:
    void finished(bool installerStarted);

private:
    void OnReply(QNetworkReply* reply, const kt::CheckRequest& request);
    void ReadSome(QNetworkReply* reply);
    void ShowResult(const std::optional<std::string>& response, const QString& failure, const kt::CheckRequest& request);

    kt::Prompter& m_prompter;
    kt::CFileVersionInfo m_own;
    kt::UpdateSite m_site;
    std::string m_ownPath;
    QPointer<QWidget> m_dialogParent;
    QNetworkAccessManager* m_net = nullptr;
    QPointer<QNetworkReply> m_reply;
    std::string m_body;
    int m_timeoutMs = 5000;
    int m_downloadTimeoutMs = 30000;
};

}  // namespace kt::ui
