#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <optional>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::RecordingPrompter;
using test::TempDir;
using test::WriteAll;

constexpr Time64 kSaveTime = 1710000000;

std::filesystem::path JournalData() { return test::TestDataDir() / "journal"; }

std::string Dump(const CEventRecord& r) {
    return Format("%lld|%s|%s|%.2f|%s|%.1f|%.1f|%d|%s", static_cast<long long>(r.m_time), r.m_strType.c_str(), r.m_strDescription.c_str(),
                  r.m_dDuration, r.m_strLocation.c_str(), r.m_dCalories, r.m_dWeight, r.m_bMetric, r.m_strNotes.c_str());
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class KT2DocTest : public ::testing::Test {
protected:
    KT2DocTest() { doc.m_strDataFolder = dir.path().string(); }
    ~KT2DocTest() override { SetAtomicWriteFailureAfterBytesForTesting(-1); }

    TempDir dir;
    CKT2Doc doc;
    RecordingPrompter prompter;
    test::FixedClock clock{kSaveTime};
};

// Each folder holds a database file, the records it must give (plus the document's unit and last
// weight afterwards) and the file a save of those records must write.
struct GoldenCase {
    const char* name;
    bool metricBefore;  // the unit and weight the settings gave the document before the load
    double lastWeightBefore;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class KT2DocGoldenTest : public KT2DocTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(KT2DocGoldenTest, LoadGivesExpectedRecordsAndSaveWritesExpectedFile) {
    const auto folder = JournalData() / GetParam().name;
    std::filesystem::copy_file(folder / "input.edb", doc.DatabasePath());
    doc.m_bMetric = GetParam().metricBefore;
    doc.m_dLastWeight = GetParam().lastWeightBefore;
    doc.m_bAllData = true;
    doc.m_arRecords.emplace_back();  // a load replaces whatever the array held

    doc.LoadDatabase();

    std::vector<std::string> dumped;
    for (const auto& r : doc.m_arRecords) dumped.push_back(Dump(r));
    dumped.push_back(Format("doc|%d|%.1f", doc.m_bMetric ? 1 : 0, doc.m_dLastWeight));
    EXPECT_EQ(dumped, ReadLines(folder / "expected-records.txt"));
    EXPECT_FALSE(doc.m_bAllData);

    doc.m_bChanged = true;
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(ReadAll(doc.DatabasePath()), ReadAll(folder / "expected-saved.edb"));
    EXPECT_FALSE(doc.m_bChanged);
    EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Layouts, KT2DocGoldenTest,
                         ::testing::Values(GoldenCase{"nine_field", false, 0.0}, GoldenCase{"eight_field", true, 0.0},
                                           GoldenCase{"short_lines", true, 72.0}, GoldenCase{"odd_fields", false, 0.0},
                                           GoldenCase{"encoding", false, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KT2DocTest, SaveThenLoad_KeepsOrderTextsAndUnitWithFileRounding) {
    const Time64 spring = LocalMidnight(2024, 3, 31);  // the clock goes forward that night
    const Time64 autumn = LocalMidnight(2024, 10, 27);
    doc.m_arRecords = {
        CEventRecord(autumn, "Calisthenics, fast, push-ups, sit-ups…", "Circuit", 30.456, "Gym", 250.04, 81.26, 1, "Пробежка 🏃"),
        CEventRecord(spring, "Running", "Müde, aber gut", 45, "Park", 400.06, 0, 1, ""),
        CEventRecord(spring, "Walking", "Lunch\twalk", 20, "Office\r\nblock", 80, 180.55, 0, "line one\nline two"),
    };
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    doc.m_bMetric = true;
    doc.LoadDatabase();

    ASSERT_EQ(doc.m_arRecords.size(), 3u);
    const auto& a = doc.m_arRecords[0];
    EXPECT_EQ(a.m_time, autumn);
    EXPECT_EQ(a.m_strType, "Calisthenics, fast, push-ups, sit-ups…");
    EXPECT_EQ(a.m_strNotes, "Пробежка 🏃");
    EXPECT_DOUBLE_EQ(a.m_dDuration, 30.46);
    EXPECT_DOUBLE_EQ(a.m_dCalories, 250.0);
    EXPECT_DOUBLE_EQ(a.m_dWeight, 81.3);
    EXPECT_EQ(doc.m_arRecords[1].m_time, spring);
    EXPECT_EQ(doc.m_arRecords[1].m_strDescription, "Müde, aber gut");
    EXPECT_DOUBLE_EQ(doc.m_arRecords[1].m_dCalories, 400.1);
    // A tab or line break in a text becomes a blank instead of shifting the fields.
    const auto& c = doc.m_arRecords[2];
    EXPECT_EQ(c.m_strDescription, "Lunch walk");
    EXPECT_EQ(c.m_strLocation, "Office  block");
    EXPECT_EQ(c.m_strNotes, "line one line two");
    EXPECT_EQ(c.m_bMetric, 0);
    EXPECT_FALSE(doc.m_bMetric);  // the last line's unit
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 180.6);
    EXPECT_EQ(SanitizeFieldText("a\tb\r\nc"), "a b  c");
}

TEST_F(KT2DocTest, Load_FallsBackToOlderNameAndSavesUnderCurrentName) {
    WriteAll(doc.OlderDatabasePath(), "1\r\n1709593200\tGolf\t\t60\t\t1\t2\t1\told\r\n");
    doc.LoadDatabase();
    ASSERT_EQ(doc.m_arRecords.size(), 1u);
    EXPECT_EQ(doc.m_arRecords[0].m_strNotes, "old");
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_TRUE(std::filesystem::exists(doc.DatabasePath()));
    EXPECT_TRUE(std::filesystem::exists(doc.OlderDatabasePath()));

    // Once the current file exists the older one is no longer read.
    WriteAll(doc.DatabasePath(), "1\r\n1709593200\tRunning\t\t60\t\t1\t2\t1\tnew\r\n");
    doc.LoadDatabase();
    ASSERT_EQ(doc.m_arRecords.size(), 1u);
    EXPECT_EQ(doc.m_arRecords[0].m_strNotes, "new");
}

TEST_F(KT2DocTest, Load_WithoutUsableFileOrFolder_GivesEmptyDatabase) {
    const auto file = dir / "plain-file";
    WriteAll(file, "x");
    for (const std::string& folder : {dir.path().string(), std::string(), file.string(), (dir / "missing").string()}) {
        doc.m_strDataFolder = folder;
        doc.m_arRecords.emplace_back();
        doc.LoadDatabase();
        EXPECT_TRUE(doc.m_arRecords.empty()) << folder;
    }
    EXPECT_EQ(doc.ReadDatabaseFile(dir / "missing.edb"), -1);
    WriteAll(doc.DatabasePath(), "");
    doc.LoadDatabase();
    EXPECT_TRUE(doc.m_arRecords.empty());
}

TEST_F(KT2DocTest, FailedSave_ReportsKeepsOldFileAndChangedFlag) {
    const std::string old = "1\r\n1709593200\tGolf\t\t60\t\t1\t2\t1\told\r\n";
    WriteAll(doc.DatabasePath(), old);
    doc.m_arRecords = {CEventRecord(1709593200, "Running", "", 30, "", 300, 80, 1, "new")};
    doc.m_bChanged = true;

    SetAtomicWriteFailureAfterBytesForTesting(10);
    EXPECT_FALSE(doc.SaveDatabase(prompter, clock));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find(doc.DatabasePath().string()), std::string::npos);
    EXPECT_NE(prompter.messages[0].find("Error Code: 1c\n"), std::string::npos);  // ENOSPC
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_EQ(ReadAll(doc.DatabasePath()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary file left

    const auto file = dir / "plain-file";
    WriteAll(file, "x");
    for (const std::string& folder : {file.string(), std::string()}) {
        doc.m_strDataFolder = folder;
        EXPECT_FALSE(doc.SaveDatabase(prompter, clock));
        EXPECT_TRUE(doc.m_bChanged);
    }
    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_NE(prompter.messages[1].find("Error Code: 14\n"), std::string::npos);  // ENOTDIR
    EXPECT_NE(prompter.messages[2].find("Error Code: 2\n"), std::string::npos);   // ENOENT
    EXPECT_EQ(ReadAll(file), "x");
}

TEST_F(KT2DocTest, OnCloseDocument_AsksOnlyWhenChangedAndSavesOnYes) {
    const std::string question =
        "New activities have been added to the exercise database, but not saved. Do you wish save the database now before you exit (Y), "
        "or exit without saving (N).";
    doc.m_arRecords = {CEventRecord(1709593200, "Running", "", 30, "", 300, 80, 1, "")};
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock));
    EXPECT_TRUE(prompter.questions.empty());

    doc.m_bChanged = true;
    prompter.answers = {false, true};
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock));
    EXPECT_FALSE(std::filesystem::exists(doc.DatabasePath()));
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock));
    EXPECT_EQ(prompter.questions, std::vector<std::string>(2, question));
    EXPECT_EQ(ReadAll(doc.DatabasePath()).substr(0, 12), "1710000000\r\n");
    EXPECT_FALSE(doc.m_bChanged);
}

TEST_F(KT2DocTest, OnCloseDocument_FailedSaveKeepsTheDocumentOpen) {
    doc.m_arRecords = {CEventRecord(1709593200, "Running", "", 30, "", 300, 80, 1, "")};
    doc.m_bChanged = true;
    prompter.answers = {true};
    SetAtomicWriteFailureAfterBytesForTesting(0);
    const bool mayClose = doc.OnCloseDocument(prompter, clock);
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_FALSE(mayClose);
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

struct StartUp {
    std::optional<std::pair<int, int>> archived;
    std::optional<double> frameWeight;
};

StartUp RunOnNewDocument(CKT2Doc& doc) {
    StartUp seen;
    CKT2Doc::Hooks hooks;
    hooks.autoArchiveCheck = [&](int month, int day) { seen.archived = std::make_pair(month, day); };
    hooks.lastWeightToFrame = [&](double weight) { seen.frameWeight = weight; };
    doc.m_bChanged = true;
    EXPECT_TRUE(doc.OnNewDocument(hooks));
    EXPECT_FALSE(doc.m_bChanged);
    return seen;
}

TEST_F(KT2DocTest, OnNewDocument_RunsHooksByArchiveSettingAndWeight) {
    doc.m_strAutoArchive = "3 15";
    doc.m_dLastWeight = 30.0;
    StartUp seen = RunOnNewDocument(doc);  // no database file at all
    EXPECT_EQ(seen.archived, std::make_pair(3, 15));
    EXPECT_FALSE(seen.frameWeight);
    EXPECT_EQ(doc.GetTitle(), "");

    for (const char* off : {"0 5", "12", "3,15", "", "0 0", "-1 4"}) {
        doc.m_strAutoArchive = off;
        EXPECT_FALSE(RunOnNewDocument(doc).archived) << off;
    }
    doc.m_strAutoArchive = " 7\t 4x";
    EXPECT_EQ(RunOnNewDocument(doc).archived, std::make_pair(7, 4));

    // An empty file, or no usable data folder at all, still starts with an empty database.
    WriteAll(doc.DatabasePath(), "");
    const std::string folder = doc.m_strDataFolder;
    for (const std::string& start : {folder, std::string(), folder + "/ExerciseData.edb"}) {
        doc.m_strDataFolder = start;
        EXPECT_EQ(RunOnNewDocument(doc).archived, std::make_pair(7, 4)) << start;
        EXPECT_EQ(doc.GetTitle(), "");
    }
    doc.m_strDataFolder = folder;

    WriteAll(doc.DatabasePath(), "1\r\n1709593200\tGolf\t\t60\t\t1\t30.1\t1\t\r\n1709679600\tGolf\t\t60\t\t1\t0\t1\t\r\n");
    seen = RunOnNewDocument(doc);
    EXPECT_EQ(seen.frameWeight, 30.1);
    EXPECT_EQ(doc.GetTitle(), "Kinetrax 2: Records starting March 05, 2024");
}

TEST_F(KT2DocTest, SortByDate_OrdersBySignedTimeAndKeepsEqualDatesInOrder) {
    doc.m_arRecords = {CEventRecord(200, "c", "", 0, "", 0, 0, 0, ""), CEventRecord(100, "a", "", 0, "", 0, 0, 0, ""),
                       CEventRecord(200, "d", "", 0, "", 0, 0, 0, ""), CEventRecord(-5, "x", "", 0, "", 0, 0, 0, ""),
                       CEventRecord(100, "b", "", 0, "", 0, 0, 0, "")};
    doc.SortByDate();
    std::string order;
    for (const auto& r : doc.m_arRecords) order += r.m_strType;
    EXPECT_EQ(order, "xabcd");
}

TEST_F(KT2DocTest, FindRecord_MatchesByDayTrimmedTextsAndTenths) {
    const Time64 day = LocalMidnight(2024, 3, 5);
    doc.m_arRecords = {
        CEventRecord(LocalMidnight(2024, 3, 4), "Running", "Easy", 30, "Park", 0, 0, 1, ""),
        CEventRecord(day, "Running", "Easy  ", 30.04, " Park\t", 0, 0, 1, ""),
        CEventRecord(day, "Running", "Easy", 30.04, "Park", 0, 0, 1, ""),
    };
    EXPECT_EQ(doc.FindRecord(day, "Running", "Easy", 30.04, "Park"), 1);
    EXPECT_EQ(doc.FindRecord(day, "  Running \t", "Easy", 29.96, "Park"), 1);
    EXPECT_EQ(doc.FindRecord(day, "running", "Easy", 30.04, "Park"), -1);
    EXPECT_EQ(doc.FindRecord(day, "Running", "Easy", 30.06, "Park"), -1);
    EXPECT_EQ(doc.FindRecord(day, "Running", " Easy", 30.04, "Park"), -1);  // the given texts are taken as they are
    EXPECT_EQ(doc.FindRecord(day, "Running", "Easy", 30.04, "Park "), -1);
    EXPECT_EQ(doc.FindRecord(LocalMidnight(2024, 3, 4), "Running", "Easy", 29.95, "Park"), 0);
    EXPECT_EQ(doc.FindRecord(day + 1, "Running", "Easy", 30, "Park"), -1);  // not a midnight
    // Far away and extreme dates are neither found nor a trap for the day arithmetic.
    doc.m_arRecords.emplace_back(LLONG_MIN, "Running", "Easy", 30, "Park", 0, 0, 1, "");
    doc.m_arRecords.emplace_back(LLONG_MAX, "Running", "Easy", 30, "Park", 0, 0, 1, "");
    EXPECT_EQ(doc.FindRecord(LLONG_MIN, "Running", "Easy", 1, "Park"), -1);
    EXPECT_EQ(doc.FindRecord(LLONG_MAX, "Running", "Easy", 1, "Park"), -1);
    doc.m_arRecords.clear();
    EXPECT_EQ(doc.FindRecord(day, "Running", "Easy", 30, "Park"), -1);
}

TEST_F(KT2DocTest, FindRecord_UsesLocalDayAcrossClockChanges) {
    const Time64 spring = LocalMidnight(2024, 3, 31);   // 23 hours long
    const Time64 autumn = LocalMidnight(2024, 10, 27);  // 25 hours long
    doc.m_arRecords = {
        CEventRecord(MakeLocalTime(2024, 3, 30, 23, 59, 59), "Run", "", 10, "", 0, 0, 1, ""),
        CEventRecord(MakeLocalTime(2024, 3, 31, 23, 30), "Run", "", 10, "", 0, 0, 1, ""),
        CEventRecord(LocalMidnight(2024, 4, 1), "Run", "", 20, "", 0, 0, 1, ""),
        CEventRecord(MakeLocalTime(2024, 10, 27, 23, 30), "Run", "", 10, "", 0, 0, 1, ""),
    };
    EXPECT_EQ(spring + 23 * 3600, LocalMidnight(2024, 4, 1));
    EXPECT_EQ(doc.FindRecord(spring, "Run", "", 10, ""), 1);
    EXPECT_EQ(doc.FindRecord(LocalMidnight(2024, 4, 1), "Run", "", 20, ""), 2);
    EXPECT_EQ(doc.FindRecord(LocalMidnight(2024, 4, 1), "Run", "", 10, ""), -1);
    EXPECT_EQ(doc.FindRecord(autumn, "Run", "", 10, ""), 3);
    EXPECT_EQ(doc.FindRecord(LocalMidnight(2024, 10, 28), "Run", "", 10, ""), -1);
}

}  // namespace
}  // namespace kt
