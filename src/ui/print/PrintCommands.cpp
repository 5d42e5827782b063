#include "ui/print/PrintCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/journal/CsvExport.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintRange.h"
#include "core/print/Texts.h"
#include "ui/base/FileDialogs.h"
#include "ui/base/QtText.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrintRecordsDlg.h"

namespace kt::ui {
namespace {

bool PrintOn(QPrinter& printer, const kt::CKT2Doc& doc, kt::Time64 start, kt::Time64 end) {
    PrintJob job(printer);
    return job.Print(kt::LayoutRecordRange(doc, start, end, job.Device(), job.Measurer()));
}

}  // namespace

PrintCommands::PrintCommands(kt::CKT2Doc& doc, QWidget* parent) : m_doc(doc), m_parent(parent) {}

QPrinter& PrintCommands::Printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::OnPrintRecords(bool csv, kt::Prompter& prompter) {
    const std::optional<kt::PrintRangeChoice> initial = kt::InitialPrintRange(m_doc, csv);
    if (!initial) {
        prompter.Message(kt::print_text::kEmptyDatabase);
        return;
    }
    CPrintRecordsDlg dlg(*initial, m_parent);
    if (dlg.exec() != QDialog::Accepted) return;
    const kt::Time64 start = dlg.Choice().Start();
    const kt::Time64 end = dlg.Choice().End();
    switch (dlg.RequestedOutput()) {
        case CPrintRecordsDlg::Output::Printer:
            PrintRecordRange(start, end, prompter);
            break;
        case CPrintRecordsDlg::Output::Csv: {
            const QString path =
                AskSaveFileName(m_parent, ToQ(kt::journal::kCsvFilter), ToQ(kt::journal::kCsvExtension), ToQ(kt::journal::kCsvInitialName));
            if (!path.isEmpty()) kt::ExportCsv(m_doc, FromQ(path), start, end, prompter);
            break;
        }
        case CPrintRecordsDlg::Output::PdfFile: {
            const QString path = AskSaveFileName(m_parent, ToQ(kt::print_text::kPdfFilter), ToQ(kt::print_text::kPdfExtension), QString());
            if (!path.isEmpty() && !PrintRecordRangeToPdf(start, end, path)) {
                prompter.Message(kt::Format(kt::print_text::kPdfFailedFormat, FromQ(path).c_str()));
            }
            break;
        }
    }
}

void PrintCommands::OnPrintSetup() {
    QPageSetupDialog dlg(&Printer(), m_parent);
    dlg.exec();
}

bool PrintCommands::PrintRecordRange(kt::Time64 start, kt::Time64 end, kt::Prompter& prompter) {
    QPrintDialog dlg(&Printer(), m_parent);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (PrintOn(Printer(), m_doc, start, end)) return true;
    prompter.Message(kt::print_text::kPrintFailed);
    return false;
}

bool PrintCommands::PrintRecordRangeToPdf(kt::Time64 start, kt::Time64 end, const QString& path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(Printer().pageLayout());
    pdf.setOutputFileName(path);
    return PrintOn(pdf, m_doc, start, end);
}

}  // namespace kt::ui
