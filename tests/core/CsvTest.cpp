#include <gtest/gtest.h>

#include <algorithm>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/journal/CsvExport.h"
#include "core/journal/CsvImport.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::RecordingPrompter;
using test::TempDir;

std::filesystem::path CsvData() { return test::TestDataDir() / "csv"; }

std::vector<std::string> Dump(const std::vector<CEventRecord>& records) {
    std::vector<std::string> lines;
    for (const CEventRecord& r : records) {
        lines.push_back(Format("%lld|%s|%s|%.10g|%s|%.10g|%.10g|%d|%s", static_cast<long long>(r.m_time), r.m_strType.c_str(),
                               r.m_strDescription.c_str(), r.m_dDuration, r.m_strLocation.c_str(), r.m_dCalories, r.m_dWeight, r.m_bMetric,
                               r.m_strNotes.c_str()));
    }
    return lines;
}

class CsvTest : public ::testing::Test {
protected:
    CsvTest() { doc.m_strDataFolder = dir.path().string(); }

    CsvImport Plan(const std::string& bytes) { return PlanCsvImport(bytes, doc, table, selected); }

    TempDir dir;
    CKT2Doc doc;
    RecordingPrompter prompter;
    ActivityTable table;
    std::vector<uint16_t> selected = DefaultSelectedActivities();
};

// The range ends lie exactly on a record's day; records before, after and between them in the
// array are left out; winter and summer midnights give their local day numbers.
TEST_F(CsvTest, Export_GoldenFile_ReplacesCommasAndNumbersDaysByLocalDate) {
    std::filesystem::copy_file(CsvData() / "export_lbs" / "input.edb", doc.DatabasePath());
    doc.LoadDatabase();
    const auto out = dir / "out.csv";
    ASSERT_TRUE(ExportCsv(doc, out, LocalMidnight(2016, 1, 5), LocalMidnight(2016, 10, 30), prompter));
    EXPECT_EQ(ReadAll(out), ReadAll(CsvData() / "export_lbs" / "expected.csv"));
    EXPECT_TRUE(prompter.messages.empty());

    // The header names the document's unit; an empty range still gives the header.
    doc.m_bMetric = true;
    EXPECT_EQ(CsvLines(doc, 0, 1), (std::vector<std::string>{"Date,Activity Type, Activity Description, Activity Duration, "
                                                             "Activity Location, Calories Burned, Weight (kg), Comment"}));
}

TEST_F(CsvTest, Export_FileThatCannotBeCreated_IsReportedAndNothingIsWritten) {
    doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 5), "Golf", "", 30, "", 0, 0, 1, "")});
    const auto out = dir / "missing" / "out.csv";
    EXPECT_FALSE(ExportCsv(doc, out, 0, LocalMidnight(2017, 1, 1), prompter));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"The file " + out.string() +
                                       " could not be created.\n\nError Code: 2\n\nError Message is: No such file or directory"});
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(SplitCsvLine, QuotedFieldsAreUnquotedOnlyWhenTheyCloseBeforeACommaOrTheEnd) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b,,c", "a|b||c"},
        {"", ""},
        {"a,", "a|"},
        {R"("a, b",c)", "a, b|c"},
        {R"("say ""hi""",x)", R"(say "hi"|x)"},
        {R"("",x)", "|x"},
        {R"(x,"end")", "x|end"},
        {R"("Best" run,x)", R"("Best" run|x)"},  // text after the closing quote: the quotes are text
        {R"("open,x)", R"("open|x)"},            // never closed: plain text up to the comma
        {R"(a"b,c)", R"(a"b|c)"},                // a quote inside a field is text
    };
    for (const auto& [line, expected] : cases) {
        const std::vector<std::string> fields = SplitCsvLine(line);
        std::string joined;
        for (size_t i = 0; i < fields.size(); ++i) joined += (i ? "|" : "") + fields[i];
        EXPECT_EQ(joined, expected) << line;
    }
}

// What a spreadsheet writes back: a byte-order mark, UTF-8, quoted fields, a header with an extra
// column, a blank line; among the rows a duplicate of an earlier row, one of the journal and
// several that cannot be read.
TEST_F(CsvTest, Import_SpreadsheetFile_AddsNewRowsSkipsDuplicatesAndNamesRefusedLines) {
    const auto folder = CsvData() / "import_spreadsheet";
    doc.m_bMetric = true;
    doc.m_dLastWeight = 80;
    doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 4), "Swimming butterfly", "Existing ", 30, "Pool ", 100, 80, 1, "old")});
    CsvImport import;
    ASSERT_TRUE(ReadCsvImport(folder / "input.csv", doc, table, selected, import));
    EXPECT_TRUE(doc.Records().size() == 1u && import.duplicates == 2);  // planning changes nothing
    EXPECT_EQ(import.refusedLines, (std::vector<int>{5, 7, 10, 11}));
    EXPECT_EQ(
        CsvImportReport(import, "in.csv"),
        "in.csv has been read.\n\nRecords added to the exercise database: 4\nRows skipped because the database already holds them: 2\n"
        "Rows refused because they could not be read: 4\n\nRefused lines: 5, 7, 10, 11\n\nA row needs a day number, an activity type "
        "and a duration in minutes; calories, weight and unit must be numbers or empty.");

    AddImportedRecords(doc, std::move(import));
    EXPECT_EQ(Dump(doc.Records()), SplitLines(ReadAll(folder / "expected-records.txt")));
    EXPECT_TRUE(doc.IsChanged());
}

TEST_F(CsvTest, ExportThenImportIntoAnEmptyJournal_GivesTheRecordsBackWithoutTheirCommas) {
    std::filesystem::copy_file(CsvData() / "export_lbs" / "input.edb", doc.DatabasePath());
    doc.LoadDatabase();
    std::vector<CEventRecord> expected = doc.Records();
    for (CEventRecord& r : expected) {
        const auto replaced = [](const std::string& text, char by) {
            std::string out = text;
            std::replace(out.begin(), out.end(), ',', by);
            return out;
        };
        r.m_strType = replaced(r.m_strType, '-');
        for (SharedText* text : {&r.m_strDescription, &r.m_strLocation, &r.m_strNotes}) *text = replaced(*text, ' ');
    }
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) { return a.m_time < b.m_time; });
    ASSERT_TRUE(ExportCsv(doc, dir / "all.csv", 0, LocalMidnight(2100, 1, 1), prompter));

    CKT2Doc empty;
    CsvImport import;
    ASSERT_TRUE(ReadCsvImport(dir / "all.csv", empty, table, selected, import));
    EXPECT_EQ(import.duplicates + static_cast<int>(import.refusedLines.size()), 0);
    AddImportedRecords(empty, std::move(import));
    EXPECT_EQ(Dump(empty.Records()), Dump(expected));
}

TEST_F(CsvTest, Import_UnreadableFileChangesNothing_AndManyRefusedLinesAreCounted) {
    doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 4), "Golf", "", 30, "", 0, 0, 1, "")});
    CsvImport import;
    FileError error;
    EXPECT_FALSE(ReadCsvImport(dir / "none.csv", doc, table, selected, import, &error));
    EXPECT_EQ(
        CsvReadFailedMessage("none.csv", error),
        "The file none.csv could not be read.\n\nError Code: 2\n\nError Message is: No such file or directory\n\nNothing was imported.");
    EXPECT_EQ(doc.Records().size(), 1u);

    // Lines 2 to 24 hold no day number; the first line is a row too when it is no header.
    std::string bytes = "42374,Golf,,30,,1,0,1,\r\n";
    for (int i = 0; i < 23; ++i) bytes += "x,Golf,,30,,1,0,1,\r\n";
    import = Plan(bytes);
    EXPECT_EQ(import.records.size(), 1u);
    EXPECT_NE(CsvImportReport(import, "f")
                  .find("Refused lines: 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21 and 3 more"),
              std::string::npos);
}

TEST_F(CsvTest, Import_FieldRules) {
    doc.m_bMetric = false;
    doc.m_dLastWeight = 70;
    const std::string day = std::to_string(LocalMidnight(2016, 1, 5));
    const std::string formula = "(Calories determined through formula calculation)";
    const std::pair<const char*, std::string> cases[] = {
        // a row and the Dump of its record
        {"42374,Golf,d,30,l,5,150,,n", "|Golf|d|30|l|5|150|0|n"},        // empty unit: the document's
        {"42374,Golf,d,30,l,5,150,1", "|Golf|d|30|l|5|150|1|"},          // no notes column
        {"42374,Golf,d,30,l,5,150,1,n,, ", "|Golf|d|30|l|5|150|1|n"},    // empty extra columns
        {" 42374 ,Golf,d, 30 ,l,5 ,150,2,n", "|Golf|d|30|l|5|150|1|n"},  // blanks around numbers
        {"42374,Golf,d,-1e1,l,5,150,0,n", "|Golf|d|-10|l|5|150|0|n"},
        {"42374,Golf,d,30,l,0,150,0,n", "|Golf|d|30|l|0|150|0|n"},  // a written 0 is no empty cell
        // Empty calories: the formula in the document's unit (pounds), whatever the row's unit; a
        // weight of 0 stands for the document's last weight.
        {"42374,\"Golf, general\",d,60,l,,176,0,n", "|Golf, general|d|60|l|359.904|176|0|n " + formula},
        {"42374,\"Golf, general\",d,60,l,,80,1,n", "|Golf, general|d|60|l|359.904|80|1|n " + formula},
        {"42374,\"Golf, general\",d,60,l,,0,0,", "|Golf, general|d|60|l|143.1436364|0|0|" + formula},
    };
    // Too many or too few columns, a day number that is no whole day of the calendar, no type, and
    // numbers that cannot be read: each row is refused.
    for (const char* row :
         {"42374,Golf,d,30,l,5,150,1,n,x", "42374,Golf,d,30,l,5,150", "42374.5,Golf,d,30,l,5,150,1,n", "0,Golf,d,30,l,5,150,1,n",
          "2958466,Golf,d,30,l,5,150,1,n", "42374, ,d,30,l,5,150,1,n", "42374,Golf,d,,l,5,150,1,n", "42374,Golf,d,30 min,l,5,150,1,n",
          "42374,Golf,d,nan,l,5,150,1,n", "42374,Golf,d,30,l,x,150,1,n", "42374,Golf,d,30,l,5,x,1,n", "42374,Golf,d,30,l,5,150,y,n"}) {
        const CsvImport import = Plan(row);
        EXPECT_TRUE(import.records.empty() && import.refusedLines == std::vector<int>{1}) << row;
    }
    // The first and the last day of the calendar are days.
    for (const char* row : {"1,Golf,d,30,l,5,150,1,n", "2958465,Golf,d,30,l,5,150,1,n"}) EXPECT_EQ(Plan(row).records.size(), 1u) << row;
    for (const auto& [row, record] : cases) {
        const CsvImport import = Plan(row);
        EXPECT_EQ(Dump(import.records), std::vector<std::string>{day + record}) << row;
        EXPECT_TRUE(import.refusedLines.empty()) << row;
    }
}

}  // namespace
}  // namespace kt
