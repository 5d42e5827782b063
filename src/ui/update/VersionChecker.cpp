#include "ui/update/VersionChecker.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include "core/base/Format.h"
#include "core/update/Texts.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/QtText.h"
#include "ui/update/UpdateDlg.h"

namespace kt::ui {
namespace {

// More than this cannot be a version file; the rest of a long page is not even fetched.
constexpr size_t kEnoughToJudge = 30;

}  // namespace

CVersionChecker::CVersionChecker(const kt::CFileVersionInfo& own, const kt::UpdateSite& site, std::string ownPath, kt::Prompter& prompter,
                                 QWidget* dialogParent)
    : QObject(dialogParent),
      m_prompter(prompter),
      m_own(own),
      m_site(site),
      m_ownPath(std::move(ownPath)),
      m_dialogParent(dialogParent),
      m_net(new QNetworkAccessManager(this)) {}

CVersionChecker::~CVersionChecker() {
    if (!m_reply) return;
    // Going away with the window: nothing is shown for a check that had no answer yet.
    m_reply->disconnect(this);
    m_reply->abort();
}

void CVersionChecker::ReadSome(QNetworkReply* reply) {
    if (m_body.size() < kEnoughToJudge) m_body += reply->read(static_cast<qint64>(kEnoughToJudge - m_body.size())).toStdString();
}

void CVersionChecker::Start(const kt::CheckRequest& request) {
    if (m_reply) return;  // one check at a time
    if (m_ownPath.empty()) m_prompter.Message(kt::update_text::kErrorReadingFileName);
    const std::string name = kt::CheckName(request.baseName, m_ownPath);
    QNetworkRequest http{QUrl(ToQ(kt::VersionFileUrl(m_site, name)))};
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    http.setTransferTimeout(m_timeoutMs);
    m_body.clear();
    QNetworkReply* reply = m_net->get(http);
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        ReadSome(reply);
        if (m_body.size() >= kEnoughToJudge) reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, request] { OnReply(reply, request); });
}

void CVersionChecker::OnReply(QNetworkReply* reply, const kt::CheckRequest& request) {
    if (reply->isOpen()) ReadSome(reply);
    // Any HTTP answer is a file, an error page included (it is then too long to be a version
    // file); no answer at all (no connection, no server, time-out) is none.
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    std::optional<std::string> response;
    if (answered) response = m_body;
    const QString failure = answered ? QString() : reply->errorString();
    reply->deleteLater();
    m_reply = nullptr;
    // The dialog opens from the event loop, not from inside the network reply's signal.
    QTimer::singleShot(0, this, [this, response, failure, request] { ShowResult(response, failure, request); });
}

void CVersionChecker::ShowResult(const std::optional<std::string>& response, const QString& failure, const kt::CheckRequest& request) {
    if (!response && request.showCurrent) {
        // Asked from the menu, silence would look as if the command did nothing.
        m_prompter.Message(kt::Format(kt::update_text::kNoConnection, m_site.webHost.c_str(), FromQ(failure).c_str()));
    }
    const std::optional<kt::UpdateRequest> result = kt::EvaluateVersionResponse(response, m_own, request);
    bool installerStarted = false;
    if (result) {
        CUpdateDlg dialog(*result, m_site, m_prompter, m_dialogParent);
        dialog.SetTimeoutMs(m_downloadTimeoutMs);
        installerStarted = dialog.exec() == QDialog::Accepted && result->endOnOk;
    }
    emit finished(installerStarted);
}

bool CVersionChecker::Run(const kt::CheckRequest& request) {
    if (m_reply) return false;
    bool installerStarted = false;
    QEventLoop loop;
    const auto done = connect(this, &CVersionChecker::finished, &loop, [&](bool started) {
        installerStarted = started;
        loop.quit();
    });
    Start(request);
    // The wait for the server holds back keys and clicks; the dialog that follows has its own loop.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(done);
    return installerStarted;
}

void CVersionChecker::WriteVersionFile(const std::string& baseName) {
    const std::optional<std::string> name =
        kt::WriteVersionFile(m_ownPath, baseName, m_own, kt::FileModificationTime(m_ownPath), m_prompter);
    if (name) Run({false, true, *name});
}

}  // namespace kt::ui
