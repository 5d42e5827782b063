#include "ui/views/NewDateDlg.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "core/editor/Texts.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CNewDateDlg::CNewDateDlg(kt::Time64 today, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("newDateDlg"));
    setWindowTitle(ToQ(kt::editor_text::kNewDateTitle));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    // Weeks start on Sunday everywhere in the program (charts, averages).
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    const kt::LocalDate d = kt::ToLocal(today);
    m_calendar->setSelectedDate(QDate(d.year, d.month, d.day));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double-click (or Return) on a day chooses it, as OK does.
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
}

void CNewDateDlg::accept() {
    const QDate date = m_calendar->selectedDate();
    m_day = kt::LocalMidnight(date.year(), date.month(), date.day());
    QDialog::accept();
}

}  // namespace kt::ui
