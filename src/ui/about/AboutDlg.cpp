#include "ui/about/AboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/about/About.h"
#include "core/about/Texts.h"
#include "ui/about/ReaderDlg.h"
#include "ui/about/VersionHistoryDlg.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/base/ShownColours.h"
#include "ui/widgets/HyperLink.h"

namespace kt::ui {
namespace {

namespace tx = kt::about_text;

QLabel* Label(const QString& text, const char* name, const QString& style, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(style);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(4);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(const kt::CFileVersionInfo& info, const kt::UpdateSite& site, kt::Time64 buildTime, const QString& programFolder,
                     QWidget* parent)
    : QDialog(parent), m_programFolder(programFolder) {
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(ToQ(tx::kTitle));
    resize(420, 440);

    m_heading = new QTextEdit(this);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setReadOnly(true);
    m_heading->setFrameShape(QFrame::NoFrame);
    m_heading->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kt::StyledText heading = kt::AboutHeading(info.GetProductName(), kt::AboutVersionText(info), buildTime);
    for (size_t i = 0; i < 3; ++i) heading.alignments.push_back({i, kt::ParagraphAlign::Center});
    PaintStyledText(m_heading, heading);
    m_heading->setFixedHeight(110);

    m_maker = Label(ToQ(site.makerAddress), "maker",
                    QStringLiteral("QLabel { color: white; font-weight: bold; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                   "stop:0 rgb(192, 0, 0), stop:1 rgb(0, 128, 128)); }"),
                    this);
    m_copyright = Label(ToQ(info.GetLegalCopyright()), "copyright",
                        QStringLiteral("QLabel { color: rgb(255, 0, 0); font-weight: bold; background: rgb(250, 239, 161); }"), this);
    m_description = Label(ToQ(info.GetFileDescription()), "description",
                          QStringLiteral("QLabel { color: rgb(128, 0, 128); font-weight: bold; font-size: 12pt; background: "
                                         "rgb(248, 255, 255); }"),
                          this);
    QLabel* mailCaption = Label(ToQ(tx::kEmailAddress), "emailCaption", QString(), this);
    QLabel* webCaption = Label(ToQ(tx::kWebsite), "webCaption", QString(), this);
    for (QLabel* caption : {mailCaption, webCaption}) {
        // Navy stands on the dialog's own face, so it turns light on a dark one.
        FollowPalette(caption, "navy", [caption] {
            caption->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; background: transparent; }")
                                       .arg(ShownText(QColor(0, 0, 128)).name()));
        });
    }

    QFont webFont(QStringLiteral("Arial"));
    webFont.setWeight(QFont::Medium);
    m_webLink =
        new CHyperLink(ToQ(site.webHost), QUrl(ToQ(kt::WebSiteUrl(site))), webFont, QIcon(QStringLiteral(":/icons/web-site.svg")), this);
    m_webLink->setObjectName(QStringLiteral("webLink"));
    QFont mailFont(QStringLiteral("Times New Roman"));
    mailFont.setWeight(QFont::Normal);
    m_mailLink = new CHyperLink(ToQ(site.supportAddress), QUrl(ToQ(kt::MailtoUrl(site))), mailFont,
                                style()->standardIcon(QStyle::SP_MessageBoxInformation), this);
    m_mailLink->setObjectName(QStringLiteral("mailLink"));

    m_licence = new QPushButton(ToQ(tx::kViewLicence), this);
    m_licence->setObjectName(QStringLiteral("viewLicence"));
    m_readMe = new QPushButton(ToQ(tx::kViewReadMe), this);
    m_readMe->setObjectName(QStringLiteral("viewReadMe"));
    m_history = new QPushButton(ToQ(tx::kViewHistory), this);
    m_history->setObjectName(QStringLiteral("viewHistory"));
    for (QPushButton* b : {m_licence, m_readMe, m_history}) b->setAutoDefault(false);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);

    auto* links = new QGridLayout;
    links->addWidget(mailCaption, 0, 0);
    links->addWidget(webCaption, 0, 1);
    links->addWidget(m_mailLink, 1, 0, Qt::AlignHCenter);
    links->addWidget(m_webLink, 1, 1, Qt::AlignHCenter);
    auto* documents = new QHBoxLayout;
    documents->addWidget(m_licence);
    documents->addWidget(m_readMe);
    documents->addWidget(m_history);

    // The program's own icon beside its name.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(m_heading, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_maker);
    layout->addWidget(m_copyright);
    layout->addWidget(m_description);
    layout->addLayout(links);
    layout->addStretch(1);
    layout->addLayout(documents);
    layout->addWidget(ok);

    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_licence, &QPushButton::clicked, this, [this] { ShowReader(true); });
    connect(m_readMe, &QPushButton::clicked, this, [this] { ShowReader(false); });
    connect(m_history, &QPushButton::clicked, this, &CAboutDlg::ShowHistory);
    ok->button(QDialogButtonBox::Ok)->setFocus();
}

void CAboutDlg::ShowReader(bool licence) {
    const kt::ReaderDocument document = licence ? kt::ReaderDocument::Licence : kt::ReaderDocument::ReadMe;
    CReaderDlg reader(document, kt::ReaderDocumentPath(document, FromQ(QDir::currentPath()), FromQ(m_programFolder)), this);
    reader.exec();
}

void CAboutDlg::ShowHistory() {
    CVersionHistoryDlg history(ToQ(kt::VersionHistoryPath(FromQ(m_programFolder)).string()), this);
    history.exec();
}

}  // namespace kt::ui
