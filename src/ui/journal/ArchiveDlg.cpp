#include "ui/journal/ArchiveDlg.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/base/Clock.h"
#include "core/base/Prompter.h"
#include "core/journal/Archive.h"
#include "core/journal/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

struct ChoiceCaption {
    int id;
    const char* caption;
};
constexpr ChoiceCaption kChoices[] = {
    {kt::kCutWeekStart, "Before the beginning of this week."},
    {kt::kCutWeekAgo, "more than a week ago"},
    {kt::kCutMonthStart, "Before the beginning of this month"},
    {kt::kCutMonthAgo, "more than a month ago"},
    {kt::kCutYearStart, "Before the beginning of the year"},
    {kt::kCutYearAgo, "more than a year ago"},
    {kt::kCutChosenDay, "before this date:"},
};

const QColor kCalendarText(0, 0, 220);
const QColor kCalendarActive(250, 250, 192);
const QColor kCalendarIdle(255, 255, 255);

}  // namespace

CArchiveDlg::CArchiveDlg(const kt::Clock& clock, kt::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_today(kt::MidnightOf(clock.Now())) {
    setObjectName(QStringLiteral("archiveDlg"));
    setWindowTitle(ToQ(kt::journal::kArchiveDlgTitle));

    m_info = new QTextEdit(this);
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setReadOnly(true);
    m_info->setFont(QFont(QStringLiteral("Arial"), 10));
    m_info->setMinimumWidth(460);
    // Five lines hold the text at the dialog's width; a taller pane only shows white space.
    m_info->setFixedHeight(QFontMetrics(m_info->font()).lineSpacing() * 5 + 2 * m_info->frameWidth() + 8);

    m_heading = new QLabel(ToQ(kt::journal::kArchiveDlgHeading), this);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    SetShownColour(m_heading, QPalette::WindowText, QColor(220, 0, 0), kt::ColourUse::Text);

    m_choices = new QButtonGroup(this);
    auto* radios = new QVBoxLayout;
    radios->addWidget(m_heading);
    for (const ChoiceCaption& c : kChoices) {
        auto* radio = new QRadioButton(ToQ(c.caption), this);
        radio->setObjectName(QStringLiteral("choice%1").arg(c.id));
        m_choices->addButton(radio, c.id);
        radios->addWidget(radio);
    }
    radios->addStretch(1);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Weeks start on Sunday here, and every day is drawn in the calendar's one text colour.
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    const kt::LocalDate today = kt::ToLocal(m_today);
    m_calendar->setSelectedDate(QDate(today.year, today.month, today.day));

    auto* middle = new QHBoxLayout;
    middle->addLayout(radios);
    middle->addWidget(m_calendar);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CArchiveDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CArchiveDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
    layout->addLayout(middle);
    layout->addWidget(buttons);

    connect(m_choices, &QButtonGroup::idClicked, this, &CArchiveDlg::OnChoice);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &CArchiveDlg::OnCalendarSelection);

    // The start of the year is the usual cut: the dialog opens with it.
    Choice(kt::kCutYearStart)->setChecked(true);
    OnChoice(kt::kCutYearStart);
}

QRadioButton* CArchiveDlg::Choice(int id) const { return qobject_cast<QRadioButton*>(m_choices->button(id)); }

void CArchiveDlg::OnChoice(int id) {
    if (const std::optional<kt::Time64> cut = kt::CutDateForChoice(id, m_today)) m_cut = *cut;
    ColourCalendar(id == kt::kCutChosenDay);
    ShowInfo();
}

void CArchiveDlg::OnCalendarSelection() {
    if (!m_calendar->isEnabled()) return;
    const QDate day = m_calendar->selectedDate();
    m_cut = kt::LocalMidnight(day.year(), day.month(), day.day());
    ShowInfo();
}

void CArchiveDlg::ShowInfo() { PaintStyledText(m_info, kt::ArchiveInfoText(m_cut)); }

void CArchiveDlg::ColourCalendar(bool active) {
    m_calendar->setEnabled(active);
    FollowPalette(m_calendar, "calendar", [this, active] {
        QPalette p = m_calendar->palette();
        const QColor back = ShownFill(active ? kCalendarActive : kCalendarIdle);
        const QColor text = ShownText(kCalendarText);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, back);
            p.setColor(group, QPalette::AlternateBase, back);
            p.setColor(group, QPalette::Window, back);
            p.setColor(group, QPalette::Text, text);
            p.setColor(group, QPalette::WindowText, text);
            p.setColor(group, QPalette::ButtonText, text);
        }
        m_calendar->setPalette(p);
        QTextCharFormat dayFormat;
        dayFormat.setForeground(text);
        for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) m_calendar->setWeekdayTextFormat(day, dayFormat);
    });
}

void CArchiveDlg::accept() {
    if (m_prompter.AskYesNo(kt::ArchiveConfirmQuestion(m_cut))) QDialog::accept();
}

}  // namespace kt::ui
