#pragma once
// The printing commands: print records (Ctrl+P, the toolbar button), "Save As CSV file" (the same
// range dialog with its CSV box ticked) and the printer setup. The printer and its settings live
// as long as this object, so a setup carries over to every later printout.

#include <QString>
#include <memory>

#include "core/base/LocalTime.h"

class QPrinter;
class QWidget;

namespace kt {
class CKT2Doc;
class Prompter;
}  // namespace kt

namespace kt::ui {

class PrintCommands {
public:
    // `doc` must outlive this object; `parent` owns the dialogs.
    PrintCommands(kt::CKT2Doc& doc, QWidget* parent);
    ~PrintCommands();

    // Opens the range dialog (CSV box as `csv`) and prints, exports or writes a PDF file as the
    // user chose. An empty database shows a message instead.
    void OnPrintRecords(bool csv, kt::Prompter& prompter);
    void OnPrintSetup();

    // Prints the records of [start, end] through Qt's print dialog; false when cancelled or failed
    // (a printer that cannot be started is reported).
    bool PrintRecordRange(kt::Time64 start, kt::Time64 end, kt::Prompter& prompter);
    // Writes the printout of [start, end] to a PDF file, with the printer's page settings.
    bool PrintRecordRangeToPdf(kt::Time64 start, kt::Time64 end, const QString& path);

    // Made at its first use: finding the printers costs the start-up a plug-in and its libraries.
    QPrinter& Printer();

private:
    kt::CKT2Doc& m_doc;
    QWidget* m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace kt::ui
