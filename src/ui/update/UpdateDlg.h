#pragma once
// The update dialog: tells the result of the version check and downloads the setup program into
// Downloads/Quorvane with a progress bar, then opens it with the desktop's handler ("Update Now")
// or leaves it there ("Download Only"). Results: Accepted when the installer was started (the
// caller then ends the program through its normal close), kWebsiteResult when the web site was
// opened, Rejected otherwise.

#include <QDialog>
#include <QNetworkReply>
#include <QPointer>

#include "core/update/UpdateSite.h"
#include "core/update/VersionCheck.h"

class QLabel;
class QNetworkAccessManager;
class QProgressBar;
class QTextEdit;

namespace kt {
class Prompter;
}

namespace kt::ui {

class COwnerDrawButton;

class CUpdateDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWebsiteResult = 3;

    // `request` comes from the version check; `site` names the download host and the web site;
    // `prompter` says what went wrong and must outlive the dialog.
    CUpdateDlg(const kt::UpdateRequest& request, const kt::UpdateSite& site, kt::Prompter& prompter, QWidget* parent = nullptr);
    ~CUpdateDlg() override;

    // Downloads the setup program; its full path, or "" when nothing was downloaded (the user has
    // been told why, unless the user cancelled).
    QString DownloadUpdate();
    // Downloads/Quorvane, created when missing; "" after telling the user why not.
    QString GetDownloadFolder();
    // A transfer that stalls this long is given up (30 s unless a test shortens it).
    void SetTimeoutMs(int ms) { m_timeoutMs = ms; }

    bool Downloaded() const { return m_bDownloaded; }
    QString DownloadedFile() const { return m_strDownloadedFile; }
    QTextEdit* Message() const { return m_message; }
    COwnerDrawButton* UpdateNowButton() const { return m_updateNow; }
    COwnerDrawButton* DownloadOnlyButton() const { return m_downloadOnly; }
    COwnerDrawButton* WebsiteButton() const { return m_website; }
    COwnerDrawButton* CancelButton() const { return m_cancel; }
    QProgressBar* Progress() const { return m_progress; }
    QLabel* PercentLabel() const { return m_percent; }

signals:
    // After each block written during a download: the per cent shown, -1 when the length is unknown.
    void blockWritten(int percent);

public slots:
    // Escape, the Cancel button and the close box: during a download they stop it, otherwise close.
    void reject() override;

private:
    void OnUpdateNow();
    void OnDownloadOnly();
    void OnWebsite();
    void ApplyCaptions();
    void SetBusy(bool busy);

    kt::Prompter& m_prompter;
    kt::UpdateRequest m_request;
    kt::UpdateSite m_site;
    bool m_bDownloaded = false;
    QString m_strDownloadFolder;
    QString m_strDownloadedFile;
    int m_timeoutMs = 30000;
    QNetworkAccessManager* m_net = nullptr;
    QPointer<QNetworkReply> m_reply;
    bool m_cancelled = false;

    QTextEdit* m_message = nullptr;
    COwnerDrawButton* m_updateNow = nullptr;
    COwnerDrawButton* m_downloadOnly = nullptr;
    COwnerDrawButton* m_website = nullptr;
    COwnerDrawButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_percent = nullptr;
};

}  // namespace kt::ui
