#include "ui/update/UpdateDlg.h"

#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/base/Format.h"
#include "core/update/Texts.h"
#include "core/update/UpdateRules.h"
#include "ui/base/DesktopOpener.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/base/ShownColours.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::ui {
namespace {

namespace tx = kt::update_text;

constexpr int kBlockSize = 512;
const QColor kButtonFace(240, 240, 255);

COwnerDrawButton* Button(const char* name, double points, const QColor& text, QWidget* parent) {
    auto* b = new COwnerDrawButton(QString(), MakeFont("Arial", points, true, true), kButtonFace, text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

bool HasHttpStatus(QNetworkReply* reply) { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid(); }

}  // namespace

CUpdateDlg::CUpdateDlg(const kt::UpdateRequest& request, const kt::UpdateSite& site, kt::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_request(request), m_site(site), m_net(new QNetworkAccessManager(this)) {
    setObjectName(QStringLiteral("updateDlg"));
    setWindowTitle(ToQ(tx::kDialogTitle));
    resize(420, 440);

    m_message = new QTextEdit(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setReadOnly(true);
    m_updateNow = Button("updateNow", 10, QColor(192, 0, 0), this);
    m_downloadOnly = Button("downloadOnly", 8, QColor(0, 0, 192), this);
    m_website = Button("website", 8, QColor(0, 0, 192), this);
    m_cancel = Button("cancel", 8, QColor(0, 128, 0), this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_percent = new QLabel(this);
    m_percent->setObjectName(QStringLiteral("percent"));
    SetShownColour(m_percent, QPalette::WindowText, QColor(0, 128, 0), kt::ColourUse::Text);
    m_percent->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_updateNow);
    auto* row = new QHBoxLayout;
    row->addWidget(m_downloadOnly);
    row->addWidget(m_website);
    layout->addLayout(row);
    layout->addWidget(m_progress);
    layout->addWidget(m_percent);
    layout->addWidget(m_cancel);

    connect(m_updateNow, &QPushButton::clicked, this, &CUpdateDlg::OnUpdateNow);
    connect(m_downloadOnly, &QPushButton::clicked, this, &CUpdateDlg::OnDownloadOnly);
    connect(m_website, &QPushButton::clicked, this, &CUpdateDlg::OnWebsite);
    connect(m_cancel, &QPushButton::clicked, this, &CUpdateDlg::reject);

    PaintStyledText(m_message, kt::UpdateMessageText(m_request.mode, m_request.message));
    ApplyCaptions();
}

CUpdateDlg::~CUpdateDlg() {
    if (m_reply) m_reply->abort();
}

void CUpdateDlg::ApplyCaptions() {
    const kt::UpdateButtons b = kt::UpdateDialogButtons(m_request.mode, m_request.productName, m_bDownloaded);
    m_updateNow->SetCaption(ToQ(b.updateNow));
    m_downloadOnly->SetCaption(ToQ(b.downloadOnly));
    m_website->SetCaption(ToQ(b.website));
    m_cancel->SetCaption(ToQ(b.cancel));
    for (QWidget* w : {static_cast<QWidget*>(m_updateNow), static_cast<QWidget*>(m_downloadOnly), static_cast<QWidget*>(m_website),
                       static_cast<QWidget*>(m_progress)}) {
        w->setVisible(b.actionsVisible);
    }
}

void CUpdateDlg::SetBusy(bool busy) {
    m_updateNow->setEnabled(!busy);
    m_downloadOnly->setEnabled(!busy);
    m_website->setEnabled(!busy);
}

void CUpdateDlg::reject() {
    if (m_reply) {
        m_cancelled = true;
        m_reply->abort();
        return;
    }
    QDialog::reject();
}

QString CUpdateDlg::GetDownloadFolder() {
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    std::optional<std::string> folder;
    if (!downloads.isEmpty()) folder = FromQ(downloads);
    return ToQ(kt::GetDownloadFolder(folder, m_prompter));
}

QString CUpdateDlg::DownloadUpdate() {
    const std::string url = kt::SetupFileUrl(m_site, m_request.setupFile);
    QNetworkRequest request{QUrl(ToQ(url))};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(m_timeoutMs);
    m_cancelled = false;
    SetBusy(true);
    QNetworkReply* reply = m_net->get(request);
    m_reply = reply;
    const auto finish = [this, reply](const QString& result) {
        if (!reply->isFinished()) reply->abort();
        reply->deleteLater();
        m_reply = nullptr;
        SetBusy(false);
        return result;
    };

    // The headers tell whether the file is there and how long it is.
    QEventLoop loop;
    connect(reply, &QNetworkReply::metaDataChanged, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished() && !HasHttpStatus(reply)) loop.exec();
    // An error page is not the setup program: a status outside 2xx counts as no file.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_cancelled) return finish({});
    if (!HasHttpStatus(reply) || status < 200 || status > 299) {
        m_prompter.Message(kt::SetupUnavailableMessage(m_request.setupFile, m_site.supportAddress, url));
        return finish({});
    }
    const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    m_strDownloadFolder = GetDownloadFolder();
    if (m_strDownloadFolder.isEmpty()) return finish({});
    const QString target = QDir(m_strDownloadFolder).filePath(ToQ(m_request.setupFile));
    // The file appears under its name only when it is complete: a broken download never replaces
    // a good one, nor looks like an installer.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        m_prompter.Message(kt::Format(tx::kTargetFailed, FromQ(target).c_str()));
        return finish({});
    }

    m_percent->setText(length > 0 ? QString() : ToQ(tx::kDownloading));
    m_percent->show();
    if (length <= 0) m_progress->setRange(0, 0);
    qint64 total = 0;
    bool writeFailed = false;
    const auto drain = [&] {
        // Whole blocks while the transfer runs; the rest once it has ended.
        while (reply->bytesAvailable() >= kBlockSize || (reply->isFinished() && reply->bytesAvailable() > 0)) {
            const QByteArray block = reply->read(kBlockSize);
            if (block.isEmpty()) break;
            total += block.size();
            if (file.write(block) != block.size()) writeFailed = true;
            const std::optional<int> percent = kt::DownloadPercent(total, length);
            if (percent) {
                m_percent->setText(ToQ(kt::Format(tx::kPercent, *percent)));
                m_progress->setValue(std::min(*percent, 100));
            }
            emit blockWritten(percent.value_or(-1));
        }
    };
    connect(reply, &QNetworkReply::readyRead, &loop, drain);
    drain();
    if (!reply->isFinished()) loop.exec();
    drain();
    m_progress->setRange(0, 100);

    const bool transferError = reply->error() != QNetworkReply::NoError || writeFailed;
    if (m_cancelled || !kt::DownloadIsComplete(total, length, transferError)) {
        file.cancelWriting();
        if (!m_cancelled) {
            m_prompter.Message(
                kt::Format(tx::kIncomplete, m_request.setupFile.c_str(), static_cast<long long>(total), static_cast<long long>(length)));
        }
        return finish({});
    }
    if (!file.commit()) {
        m_prompter.Message(kt::Format(tx::kTargetFailed, FromQ(target).c_str()));
        return finish({});
    }
    return finish(target);
}

void CUpdateDlg::OnUpdateNow() {
    const QString path = m_bDownloaded ? m_strDownloadedFile : DownloadUpdate();
    if (path.isEmpty()) return;
    OpenWithDesktop(QUrl::fromLocalFile(path));
    accept();
}

void CUpdateDlg::OnDownloadOnly() {
    if (m_bDownloaded) {
        OpenWithDesktop(QUrl::fromLocalFile(m_strDownloadFolder));
        return;
    }
    const QString path = DownloadUpdate();
    if (path.isEmpty()) return;
    m_bDownloaded = true;
    m_strDownloadedFile = path;
    PaintStyledText(m_message, kt::DownloadedMessageText(m_request.setupFile, FromQ(m_strDownloadFolder)));
    ApplyCaptions();
}

void CUpdateDlg::OnWebsite() {
    OpenWithDesktop(QUrl(ToQ(kt::WebSiteUrl(m_site))));
    done(kWebsiteResult);
}

}  // namespace kt::ui
