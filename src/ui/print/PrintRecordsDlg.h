#pragma once
// "Print Exercise Records": chooses the date range of a printout or CSV export. The range rules
// live in core (PrintRangeChoice); the dialog shows them and passes the user's picks on.

#include <QDialog>
#include <array>

#include "core/print/PrintRange.h"

class QCheckBox;
class QDateEdit;
class QPushButton;
class QRadioButton;

namespace kt::ui {

class CPrintRecordsDlg : public QDialog {
    Q_OBJECT
public:
    // What OK or "Print to PDF..." asked for.
    enum class Output { Printer, Csv, PdfFile };

    CPrintRecordsDlg(const kt::PrintRangeChoice& choice, QWidget* parent = nullptr);

    const kt::PrintRangeChoice& Choice() const { return m_choice; }
    // After Accepted: the CSV box decides between printer and CSV; the PDF button asks for a file.
    Output RequestedOutput() const { return m_output; }

    QRadioButton* RangeButton(kt::PrintRange range) const { return m_buttons[static_cast<size_t>(range)]; }
    QDateEdit* StartPicker() const { return m_start; }
    QDateEdit* EndPicker() const { return m_end; }
    QCheckBox* CsvBox() const { return m_csv; }
    QPushButton* PdfButton() const { return m_pdf; }

private:
    void OnRangeClicked(kt::PrintRange range);
    void ShowStart();

    kt::PrintRangeChoice m_choice;
    Output m_output = Output::Printer;
    std::array<QRadioButton*, kt::kPrintRangeCount> m_buttons{};
    QDateEdit* m_start = nullptr;
    QDateEdit* m_end = nullptr;
    QCheckBox* m_csv = nullptr;
    QPushButton* m_pdf = nullptr;
};

}  // namespace kt::ui
