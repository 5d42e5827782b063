#include "ui/print/PrintRecordsDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/print/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

QDate ToQDate(kt::Time64 t) {
    const kt::LocalDate d = kt::ToLocal(t);
    return QDate(d.year, d.month, d.day);
}

QDateEdit* MakePicker(const QString& name, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dddd, MMMM d, yyyy"));  // the long date format
    picker->setMinimumDate(QDate(100, 1, 1));
    // Room for the longest day and month names next to the drop-down button.
    picker->setMinimumWidth(picker->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday, September 30, 0000")) + 48);
    return picker;
}

}  // namespace

CPrintRecordsDlg::CPrintRecordsDlg(const kt::PrintRangeChoice& choice, QWidget* parent) : QDialog(parent), m_choice(choice) {
    setObjectName(QStringLiteral("printRecordsDlg"));
    setWindowTitle(ToQ(kt::print_text::kDialogTitle));
    SetShownColour(this, QPalette::Window, ToQColor(kt::print_text::kDialogBackground), kt::ColourUse::Fill);
    setAutoFillBackground(true);

    auto* group = new QGroupBox(ToQ(kt::print_text::kRangeGroup), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < kt::kPrintRangeCount; ++i) {
        const auto range = static_cast<kt::PrintRange>(i);
        auto* button = new QRadioButton(ToQ(kt::print_text::kRangeCaptions[static_cast<size_t>(i)]), group);
        button->setObjectName(QStringLiteral("range%1").arg(i));
        grid->addWidget(button, i % 5, i / 5);
        connect(button, &QRadioButton::clicked, this, [this, range] { OnRangeClicked(range); });
        m_buttons[static_cast<size_t>(i)] = button;
    }

    m_start = MakePicker(QStringLiteral("startDate"), this);
    m_end = MakePicker(QStringLiteral("endDate"), this);
    m_end->setDate(ToQDate(m_choice.End()));
    ShowStart();
    m_csv = new QCheckBox(ToQ(kt::print_text::kCsvBox), this);
    m_csv->setChecked(m_choice.m_bCsv);
    auto* dates = new QFormLayout;
    dates->addRow(ToQ(kt::print_text::kStartLabel), m_start);
    dates->addRow(ToQ(kt::print_text::kEndLabel), m_end);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pdf = buttons->addButton(ToQ(kt::print_text::kPrintToPdf), QDialogButtonBox::ActionRole);
    m_pdf->setObjectName(QStringLiteral("printToPdf"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(dates);
    layout->addWidget(m_csv);
    layout->addWidget(buttons);

    m_buttons[static_cast<size_t>(m_choice.Selected())]->setChecked(true);
    // dateChanged comes from the user only: the dialog's own updates block the signals.
    connect(m_start, &QDateEdit::dateChanged, this, [this](QDate d) { m_choice.PickStart(d.year(), d.month(), d.day()); });
    connect(m_end, &QDateEdit::dateChanged, this, [this](QDate d) {
        m_choice.PickEnd(d.year(), d.month(), d.day());
        m_buttons[static_cast<size_t>(kt::PrintRange::Custom)]->setChecked(true);
    });
    connect(m_csv, &QCheckBox::toggled, this, [this](bool on) { m_choice.m_bCsv = on; });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_output = m_choice.m_bCsv ? Output::Csv : Output::Printer;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pdf, &QPushButton::clicked, this, [this] {
        m_output = Output::PdfFile;
        accept();
    });
}

void CPrintRecordsDlg::OnRangeClicked(kt::PrintRange range) {
    m_choice.Select(range);
    ShowStart();
}

void CPrintRecordsDlg::ShowStart() {
    const QSignalBlocker block(m_start);
    m_start->setDate(ToQDate(m_choice.Start()));
}

}  // namespace kt::ui
