#include "ui/about/VersionHistoryDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/about/Texts.h"
#include "core/base/Format.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CVersionHistoryDlg::CVersionHistoryDlg(const QString& path, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("versionHistoryDlg"));
    const QUrl url = QUrl::fromLocalFile(path);
    setWindowTitle(ToQ(kt::Format(kt::about_text::kHistoryTitle, FromQ(url.toString()).c_str())));
    resize(580, 520);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenExternalLinks(true);
    // The page brings its own light background, as a web page does in any browser; its plain
    // letters stay black on it whatever the desktop's palette.
    QPalette page = m_browser->palette();
    page.setColor(QPalette::Text, Qt::black);
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Link, Qt::blue);
    m_browser->setPalette(page);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* done = buttons->addButton(ToQ(kt::about_text::kDone), QDialogButtonBox::RejectRole);
    done->setObjectName(QStringLiteral("done"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_browser->setSource(url);
}

}  // namespace kt::ui
