// Printing, "Save As CSV file" and "Import CSV file..." driven from the main window as a user
// drives them: the range dialog, the file dialogs and Qt's print dialog.
#include <QDateEdit>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>

#include "ui/Scenario.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrintRecordsDlg.h"

namespace kt {
namespace {

using ui::CPrintRecordsDlg;

// One record a day from 1 January 2016 (a Friday), the last one `count` days later.
std::vector<CEventRecord> DailyRecords(int count) {
    std::vector<CEventRecord> records;
    for (int i = 0; i < count; ++i) {
        records.emplace_back(LocalMidnight(2016, 1, 1 + i), "Golf, general", "Round " + std::to_string(i + 1), 30 + i, "Club", 100, 80, 1,
                             i == 0 ? "first, of all" : "");
    }
    return records;
}

// Answers the next file dialog with `path`, pasted into its name field and Return pressed (typed,
// the name completer's pop-up would take the Return key); `seen` tells whether it came.
void ChooseFile(const std::filesystem::path& path, bool* seen) {
    test::OnNextDialog<QFileDialog>([path, seen](QFileDialog* dialog) {
        *seen = true;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setFocus();
        name->setText(QString::fromStdString(path.string()));
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// The text of every page, each followed by a form feed.
std::string PdfText(const std::filesystem::path& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), QStringLiteral("-")});
    process.waitForFinished(20000);
    return process.readAllStandardOutput().toStdString();
}

struct PrintCommands : ::testing::Test, test::Program {};

TEST_F(PrintCommands, EmptyJournal_NothingToPrintUntilAnImportAddsRecords) {
    ASSERT_TRUE(Start());
    bool opened = false;
    const QPointer<QTimer> watcher = test::OnNextModal([&](QWidget* modal) { opened = true, modal->close(); }, 300);
    test::PressKey(Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(400);
    test::CancelModalWatcher(watcher);
    EXPECT_FALSE(opened);
    EXPECT_EQ(
        home.prompter.messages,
        std::vector<std::string>{"The exercise database holds no records yet, so there is nothing to print or to save as a CSV file."});
    // The printer setup needs no records.
    bool setup = false;
    test::OnNextDialog<QPageSetupDialog>([&](QPageSetupDialog* dialog) { setup = true, QTest::keyClick(dialog, Qt::Key_Escape); });
    frame->Action(cmd::kPrintSetup)->trigger();
    EXPECT_TRUE(setup);

    const auto csv = home.home() / "back.csv";
    test::WriteAll(
        csv,
        "Date,Activity Type, Activity Description, Activity Duration, Activity Location, Calories Burned, Weight (kg), Comment\r\n"
        "42370,\"Golf, general\",Round 1,30,Club,,80.0,1,\r\n"
        "42370,\"Golf, general\",Round 1,30.04,Club,,80.0,1,\r\n"
        "42372,Golf,Round 3,an hour,Club,,80.0,1,\r\n");
    bool fileDialog = false;
    ChooseFile(csv, &fileDialog);
    frame->Action(cmd::kImportCsv)->trigger();
    EXPECT_TRUE(fileDialog);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_TRUE(frame.Doc().IsChanged());
    ASSERT_EQ(home.prompter.messages.size(), 2u);
    EXPECT_EQ(home.prompter.messages[1].rfind(csv.string() + " has been read.\n\nRecords added to the exercise database: 1\n", 0), 0u);
}

TEST_F(PrintCommands, SaveAsCsv_DialogOpensTickedAndTheChosenRangeIsWritten) {
    ASSERT_TRUE(Start(DailyRecords(20)));  // 1 to 20 January, the last a Wednesday
    bool ticked = false, fileDialog = false;
    test::OnNextDialog<CPrintRecordsDlg>([&](CPrintRecordsDlg* dlg) {
        ticked = dlg->CsvBox()->isChecked() && dlg->RangeButton(PrintRange::ThisWeek)->isChecked();
        QTest::mouseClick(dlg->RangeButton(PrintRange::OneWeek), Qt::LeftButton);
        ChooseFile(home.home() / "export", &fileDialog);  // ".csv" is added
        QTest::mouseClick(test::OkButton(dlg), Qt::LeftButton);
    });
    frame->Action(cmd::kSaveAsCsv)->trigger();
    EXPECT_TRUE(ticked && fileDialog);
    // The header and 13 to 20 January: day numbers 42382 to 42389.
    const std::string csv = test::ReadAll(home.home() / "export.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 9);
    EXPECT_NE(csv.find("\r\n42382,Golf- general,Round 13,42.00,Club,100.0,80.0,1,\r\n"), std::string::npos);
}

// Qt's print dialog prints to the printer it was given; here that is a PDF file, as when a user
// picks "Print to File (PDF)". The unticked box decides, whatever the command was. Then Ctrl+P
// and "Print to PDF..." write a range picked in the two date pickers.
TEST_F(PrintCommands, PrintDialogAndPrintToPdf_WriteTheChosenRange) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is not installed";
    ASSERT_TRUE(Start(DailyRecords(21)));
    const auto printed = home.home() / "printed.pdf";
    frame->Printing().Printer().setOutputFormat(QPrinter::PdfFormat);
    frame->Printing().Printer().setOutputFileName(QString::fromStdString(printed.string()));
    bool printDialog = false;
    test::OnNextDialog<CPrintRecordsDlg>([&](CPrintRecordsDlg* dlg) {
        QTest::mouseClick(dlg->RangeButton(PrintRange::FromStart), Qt::LeftButton);
        QTest::mouseClick(dlg->CsvBox(), Qt::LeftButton, {}, QPoint(8, dlg->CsvBox()->height() / 2));  // on the tick box
        test::OnNextDialog<QPrintDialog>([&](QPrintDialog* print) { printDialog = true, QTest::keyClick(print, Qt::Key_Return); });
        QTest::mouseClick(test::OkButton(dlg), Qt::LeftButton);
    });
    frame->Action(cmd::kSaveAsCsv)->trigger();
    ASSERT_TRUE(printDialog);
    std::string text = PdfText(printed);
    EXPECT_NE(text.find("Exercise Activity information from Fri. Jan 01, 2016 to Thu. Jan 21, 2016"), std::string::npos) << text;

    const auto range = home.home() / "range.pdf";
    bool custom = false, fileDialog = false;
    test::OnNextDialog<CPrintRecordsDlg>([&](CPrintRecordsDlg* dlg) {
        // Unticked for printing; the end picker makes "Custom Period" the selected range.
        dlg->StartPicker()->setDate(QDate(2016, 1, 3));
        dlg->EndPicker()->setDate(QDate(2016, 1, 5));
        custom = !dlg->CsvBox()->isChecked() && dlg->RangeButton(PrintRange::Custom)->isChecked();
        ChooseFile(range, &fileDialog);
        QTest::mouseClick(dlg->PdfButton(), Qt::LeftButton);
    });
    frame->activateWindow();  // offscreen, a closed dialog leaves no window active
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    test::PressKey(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(fileDialog && custom);
    text = PdfText(range);
    EXPECT_NE(text.find("from Sun. Jan 03, 2016 to Tue. Jan 05, 2016"), std::string::npos) << text;
    EXPECT_EQ(text.find("Round 2"), std::string::npos);
}

}  // namespace
}  // namespace kt
