#include "ui/journal/ArchiveReportDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "core/base/Clock.h"
#include "core/journal/Archive.h"
#include "core/journal/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"

namespace kt::ui {
namespace {

constexpr int kCountdownSeconds = 20;

}  // namespace

CArchiveReportDlg::CArchiveReportDlg(Mode mode, kt::Time64 cut, std::string dataFolder, std::string autoArchive, const kt::Clock& clock,
                                     QWidget* parent)
    : QDialog(parent),
      m_mode(mode),
      m_cut(cut),
      m_strDataFolder(std::move(dataFolder)),
      m_strAutoArchive(std::move(autoArchive)),
      m_clock(clock) {
    setObjectName(QStringLiteral("archiveReportDlg"));
    setWindowTitle(QString());

    m_report = new QTextEdit(this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setReadOnly(true);
    m_report->setMinimumSize(480, 200);
    m_check = new QCheckBox(ToQ(kt::journal::kAutoArchiveCaption), this);
    m_check->setObjectName(QStringLiteral("autoArchive"));
    m_yes = new QPushButton(ToQ(kt::journal::kYes), this);
    m_yes->setObjectName(QStringLiteral("yes"));
    m_close = new QPushButton(ToQ(kt::journal::kCloseEsc), this);
    m_close->setObjectName(QStringLiteral("close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check, 1);
    buttons->addWidget(m_yes);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_report);
    layout->addLayout(buttons);

    connect(m_yes, &QPushButton::clicked, this, &CArchiveReportDlg::OnYes);
    // Escape and the close box reject as well.
    connect(m_close, &QPushButton::clicked, this, &CArchiveReportDlg::reject);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer->setSingleShot(true);
    m_tickTimer = new QTimer(this);
    m_tickTimer->setObjectName(QStringLiteral("tickTimer"));
    // Unticking the box stops this timer, so when it fires the countdown is running.
    connect(m_closeTimer, &QTimer::timeout, this, &CArchiveReportDlg::reject);
    connect(m_tickTimer, &QTimer::timeout, this, &CArchiveReportDlg::OnTick);

    if (m_mode == Mode::Automatic) {
        PaintStyledText(m_report, kt::AutoArchiveReport(m_cut, kt::ListArchiveFiles(m_strDataFolder)));
        m_yes->hide();
        m_check->setText(ToQ(kt::journal::kCountdownStart));
        m_check->setChecked(true);
        StartCountdown();
        m_close->setDefault(true);
    } else {
        PaintStyledText(m_report, kt::RecombineQuestion());
        m_close->setText(ToQ(kt::journal::kNo));
        m_check->setText(ToQ(kt::RecombineCheckCaption(m_strAutoArchive, m_clock.Now())));
        m_check->setChecked(false);
        m_yes->setDefault(true);
    }
    // Connected last: the initial tick of the automatic mode is not a user's choice.
    connect(m_check, &QCheckBox::toggled, this, &CArchiveReportDlg::OnCheckToggled);
}

void CArchiveReportDlg::StartCountdown() {
    m_closeTime = m_clock.Now() + kCountdownSeconds;
    m_bCountdown = true;
    m_closeTimer->start(kCountdownSeconds * 1000);
    m_tickTimer->start(1000);
}

void CArchiveReportDlg::OnTick() {
    if (!m_bCountdown) return;
    m_check->setText(ToQ(kt::CountdownCaption(m_closeTime - m_clock.Now())));
}

void CArchiveReportDlg::OnCheckToggled(bool ticked) {
    if (m_mode != Mode::Automatic) return;
    if (ticked) {
        StartCountdown();
        return;
    }
    // The caption keeps its last text; the window stays until the user closes it.
    m_bCountdown = false;
    m_closeTimer->stop();
    m_tickTimer->stop();
}

void CArchiveReportDlg::OnYes() {
    m_strAutoArchive = kt::AutoArchiveAfterRecombine(m_strAutoArchive, m_check->isChecked());
    accept();
}

}  // namespace kt::ui
