#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <functional>
#include <optional>
#include <thread>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/journal/DatabaseFormat.h"
#include "core/journal/DuplicateIndex.h"
#include "core/journal/JournalLoad.h"
#include "core/journal/KT2Doc.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::RecordingPrompter;
using test::TempDir;
using test::WriteAll;

constexpr Time64 kSaveTime = 1710000000;
const std::string kGolfFile = "1\r\n1709593200\tGolf\t\t60\t\t1\t2\t1\told\r\n";

std::filesystem::path JournalData() { return test::TestDataDir() / "journal"; }

// The records one per line, then the document's unit and last weight; `exact` shows every digit.
std::vector<std::string> Dump(const CKT2Doc& doc, bool exact = false) {
    std::vector<std::string> lines;
    for (const CEventRecord& r : doc.Records()) {
        lines.push_back(Format(exact ? "%lld|%s|%s|%.10g|%s|%.10g|%.10g|%d|%s" : "%lld|%s|%s|%.2f|%s|%.1f|%.1f|%d|%s",
                               static_cast<long long>(r.m_time), r.m_strType.c_str(), r.m_strDescription.c_str(), r.m_dDuration,
                               r.m_strLocation.c_str(), r.m_dCalories, r.m_dWeight, r.m_bMetric, r.m_strNotes.c_str()));
    }
    lines.push_back(Format(exact ? "doc|%d|%.10g" : "doc|%d|%.1f", doc.m_bMetric ? 1 : 0, doc.m_dLastWeight));
    return lines;
}

CEventRecord Rec(Time64 time, const std::string& type, double duration = 30, const std::string& description = "",
                 const std::string& location = "") {
    return CEventRecord(time, type, description, duration, location, 0, 0, 1, "");
}

std::string Types(const CKT2Doc& doc) {
    std::string s;
    for (const CEventRecord& r : doc.Records()) s += r.m_strType;
    return s + (doc.IsSorted() ? "" : " (unsorted)");
}

bool EarlierTime(const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; }

class KT2DocTest : public ::testing::Test {
protected:
    KT2DocTest() { doc.m_strDataFolder = dir.path().string(); }
    ~KT2DocTest() override { SetAtomicWriteFailureAfterBytesForTesting(-1); }

    TempDir dir;
    CKT2Doc doc;
    RecordingPrompter prompter;
    test::FixedClock clock{kSaveTime};
};

// Each folder holds a database file, the records it must give and the file a save of them must write.
// The unit and weight the settings gave the document before the load.
struct GoldenCase {
    const char* name;
    bool metricBefore;
    double lastWeightBefore;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
class KT2DocGoldenTest : public KT2DocTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(KT2DocGoldenTest, LoadGivesExpectedRecordsAndSaveWritesExpectedFile) {
    const auto [name, metric, weight] = GetParam();
    const auto folder = JournalData() / name;
    std::filesystem::copy_file(folder / "input.edb", doc.DatabasePath());
    doc.m_bMetric = metric;
    doc.m_dLastWeight = weight;
    doc.m_bAllData = true;
    doc.SetRecords({CEventRecord()});  // a load replaces whatever the array held
    doc.LoadDatabase();
    EXPECT_EQ(Dump(doc), SplitLines(ReadAll(folder / "expected-records.txt")));
    EXPECT_FALSE(doc.m_bAllData);
    // Read on a thread of its own and installed afterwards, the file gives the very same journal.
    CKT2Doc installed;
    installed.InstallJournal(JournalLoader(doc.m_strDataFolder, metric, weight).Take(), &prompter);
    EXPECT_EQ(Dump(installed, true), Dump(doc, true));
    doc.MarkChanged();
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(ReadAll(doc.DatabasePath()), ReadAll(folder / "expected-saved.edb"));
    EXPECT_TRUE(!doc.IsChanged() && prompter.messages.empty());
}
INSTANTIATE_TEST_SUITE_P(Layouts, KT2DocGoldenTest,
                         ::testing::Values(GoldenCase{"nine_field", false, 0.0}, GoldenCase{"eight_field", true, 0.0},
                                           GoldenCase{"short_lines", true, 72.0}, GoldenCase{"odd_fields", false, 0.0},
                                           GoldenCase{"encoding", false, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KT2DocTest, SaveThenLoad_KeepsOrderTextsAndUnitWithFileRounding) {
    const Time64 spring = LocalMidnight(2024, 3, 31);  // the clock goes forward that night
    const Time64 autumn = LocalMidnight(2024, 10, 27);
    doc.SetRecords({
        CEventRecord(autumn, "Calisthenics, fast, push-ups, sit-ups…", "Circuit", 30.456, "Gym", 250.04, 81.26, 1, "Пробежка 🏃"),
        CEventRecord(spring, "Running", "Müde, aber gut", 45, "Park", 400.06, 0, 1, ""),
        CEventRecord(spring, "Walking", "Lunch\twalk", 20, "Office\r\nblock", 80, 180.55, 0, std::string("line one\nline two\0end", 21)),
    });
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    doc.m_bMetric = true;
    doc.LoadDatabase();
    // A tab, line break or NUL in a text becomes a blank; the unit and last weight are the last line's.
    EXPECT_EQ(Dump(doc, true),
              (std::vector<std::string>{
                  std::to_string(autumn) + "|Calisthenics, fast, push-ups, sit-ups…|Circuit|30.46|Gym|250|81.3|1|Пробежка 🏃",
                  std::to_string(spring) + "|Running|Müde, aber gut|45|Park|400.1|0|1|",
                  std::to_string(spring) + "|Walking|Lunch walk|20|Office  block|80|180.6|0|line one line two end", "doc|0|180.6"}));
}

// A file arrives in pieces that may end anywhere: inside a line, between CR and LF, inside a
// byte-order mark, an escape or a UTF-8 character. Every cut gives the records of one read.
TEST_F(KT2DocTest, ReadInPieces_GivesTheRecordsOfOneRead) {
    std::string content =
        "\xEF\xBB\xBF"
        "17\r\n";
    for (const char* name : {"nine_field", "eight_field", "short_lines", "odd_fields", "encoding"})
        content += ReadAll(JournalData() / name / "input.edb");
    content += std::string("5\tEsc\x1B") + "000009tab\tD\t1\tL\t2\t3\t1\tn\xE9\x1B" + "002026\t\x1B\n9\tno end\t\r";
    CKT2Doc whole;
    std::optional<uint64_t> header;
    whole.ParseDatabaseContent(content, &header);
    ASSERT_EQ(header, 17u);
    const std::vector<std::string> expected = Dump(whole, true);
    for (size_t cut = 0; cut <= content.size(); ++cut) {
        std::vector<CEventRecord> records;
        CKT2Doc pieces;
        std::optional<uint64_t> pieceHeader;
        RecordReader reader(records, pieces.m_bMetric, pieces.m_dLastWeight, &pieceHeader);
        const size_t used = reader.Read(std::string_view(content).substr(0, cut), false);
        ASSERT_LE(used, cut);
        reader.Read(std::string_view(content).substr(used), true);
        pieces.SetRecords(records);
        ASSERT_EQ(Dump(pieces, true), expected) << "cut at " << cut;
        ASSERT_EQ(reader.Lines(), static_cast<long long>(SplitLines(content).size()));
        ASSERT_EQ(pieceHeader, header);
    }

    // A line whose texts need the codec is read as the line decoded whole, whichever field holds
    // the coded bytes (an escaped digit in a number, a decoded tab that cuts a field or stays in
    // the notes), the first time its texts come by and when they come again.
    const std::string esc = "\x1B";
    const std::string codedLines[] = {"1" + esc + "000037\tT\tD\t1\tL\t2\t3\t1\tn\xE9",
                                      "7\tT" + esc + "002026\tD\xE9\t1" + esc + "000035\tL\t2\t3\t1\t",
                                      "7\tT\tD\t1\tL\xE9\t2" + esc + "000035\t3\t1\t",
                                      "7\tT\xE9\tD\t1\tL\t2\t3" + esc + "00002E5\t1\t",
                                      "7\tT\xE9\tD\t1\tL\t2\t3\t" + esc + "000031\tn",
                                      "7\tT\tD\xE9\t1\tL\t2\t3\t1\t",
                                      "7\tT\tD\t1\tL\t2\t3\t1\tn\xE9",
                                      "7\tT\tD" + esc + "000009x\t1\tL\t2\t3\t1\tn",
                                      "7\tT\tD\t1\tL" + esc + "000009\t2\t3\t1\tn",
                                      "7\tT\xE9\tD\t1\tL\t2\t3\t1\tn" + esc + "000009\t" + esc + "002026",
                                      "7\tT" + esc + "00002\tD\t1\tL\t2\t3\t1\t" + esc,
                                      "7\tT\xE9\tD\t1\tL\t2\t3\t1",
                                      "7\tT\xE9\tD\t1\tL\t2\t3"};
    for (const std::string& line : codedLines) {
        CKT2Doc read, decoded;
        read.ParseDatabaseContent(line + "\r\n" + line + "\r\n");
        for (int twice = 0; twice < 2; ++twice) decoded.ParseRecordLine(DecodeLine(line));
        EXPECT_EQ(Dump(read, true), Dump(decoded, true)) << line;
    }

    // A file of several pieces, with a line longer than a piece, loads as its bytes parse.
    std::string big = content;
    big += "6\tLong\tD\t1\tL\t2\t3\t1\t" + std::string(3 << 20, 'x') + "\r\n";
    while (big.size() < (5 << 20)) big += "1709593200\tRunning\tEasy\t45.00\tPark\t312.5\t78.0\t1\t\r\n";
    WriteAll(doc.DatabasePath(), big);
    doc.LoadDatabase();
    CKT2Doc parsed;
    parsed.ParseDatabaseContent(big);
    EXPECT_EQ(Dump(doc, true), Dump(parsed, true));
    EXPECT_GT(doc.Records().size(), 20000u);
    // Saved a piece at a time, the long line a piece of its own: the bytes of the lines encoded whole.
    EXPECT_EQ(doc.DatabaseContent(1), EncodeText(doc.DatabaseLines(1)));
}

// A load knows whether the array is in date order without walking it again.
TEST_F(KT2DocTest, LoadAndRead_KnowWhetherTheArrayIsInDateOrder) {
    // {the array a file is read after, the file}
    const std::pair<std::vector<Time64>, std::string> cases[] = {{{}, "1\r\n5\tA\r\n5\tB\r\n7\tC\r\n"},
                                                                 {{}, "1\r\n7\tA\r\n5\tB\r\n"},
                                                                 {{}, "1\r\n"},
                                                                 {{}, ""},
                                                                 {{3, 5}, "5\tA\r\n6\tB\r\n"},
                                                                 {{3, 6}, "5\tA\r\n6\tB\r\n"},
                                                                 {{6, 3}, "7\tA\r\n"},
                                                                 {{3}, "4\tA\r\n2\tB\r\n"},
                                                                 {{3}, "1\r\n"}};
    const auto path = dir / "file.edb";
    const auto sorted = [&] { return std::is_sorted(doc.Records().begin(), doc.Records().end(), EarlierTime); };
    for (const auto& [times, file] : cases) {
        WriteAll(path, file);
        WriteAll(doc.DatabasePath(), file);
        doc.LoadDatabase();
        EXPECT_EQ(doc.IsSorted(), sorted()) << file;
        std::vector<CEventRecord> before;
        for (Time64 t : times) before.push_back(Rec(t, "T"));
        doc.SetRecords(before);
        if (times.size() == 2 && times[0] > times[1]) doc.DeleteRecord(0);  // ordered, not yet known to be
        ASSERT_GE(doc.ReadDatabaseFile(path), 0);
        EXPECT_EQ(doc.IsSorted(), sorted()) << file;
    }
    // Without a folder nothing is read: the empty array is in order.
    doc.SetRecords({Rec(6, "T"), Rec(3, "T")});
    doc.m_strDataFolder.clear();
    doc.LoadDatabase();
    EXPECT_TRUE(doc.IsSorted());
}

TEST_F(KT2DocTest, Load_FallsBackToOlderNameAndGivesAnEmptyDatabaseWithoutAUsableFile) {
    WriteAll(doc.OlderDatabasePath(), kGolfFile);
    doc.LoadDatabase();
    ASSERT_EQ(doc.Records().size(), 1u);
    EXPECT_EQ(doc.Records()[0].m_strNotes, "old");
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_TRUE(std::filesystem::exists(doc.DatabasePath()));
    EXPECT_EQ(ReadAll(doc.OlderDatabasePath()), kGolfFile);

    // A byte-order mark an editor put before a journal without header does not hide the first date.
    doc.SetRecords({});
    doc.ParseDatabaseContent("\xEF\xBB\xBF" + kGolfFile.substr(3));
    ASSERT_EQ(doc.Records().size(), 1u);
    EXPECT_EQ(doc.Records()[0].m_time, 1709593200);

    // Once the current file exists the older one is no longer read.
    WriteAll(doc.DatabasePath(), "1\r\n1709593200\tRunning\t\t60\t\t1\t2\t1\tnew\r\n");
    doc.LoadDatabase();
    ASSERT_EQ(doc.Records().size(), 1u);
    EXPECT_EQ(doc.Records()[0].m_strNotes, "new");

    // No file, an empty file, or no usable folder: an empty database.
    const auto file = dir / "plain-file";
    WriteAll(file, "x");
    std::filesystem::create_directory(dir / "none");
    std::filesystem::create_directory(dir / "empty");
    WriteAll(dir / "empty" / doc.DatabasePath().filename(), "");
    for (const std::string& folder :
         {(dir / "none").string(), std::string(), file.string(), (dir / "missing").string(), (dir / "empty").string()}) {
        doc.m_strDataFolder = folder;
        doc.SetRecords({CEventRecord()});
        doc.LoadDatabase();
        EXPECT_TRUE(doc.Records().empty()) << folder;
    }
    EXPECT_EQ(doc.ReadDatabaseFile(dir / "missing.edb"), -1);
}

TEST_F(KT2DocTest, UnreadableDatabase_IsReportedAndReplacedOnlyWhenTheUserAgrees) {
    // A folder where the file should be cannot be read by anyone, root included.
    std::filesystem::create_directory(doc.DatabasePath());
    doc.LoadDatabase(&prompter);
    EXPECT_TRUE(doc.Records().empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].find("The exercise database " + doc.DatabasePath().string() + " exists but could not be read."), 0u);
    EXPECT_NE(prompter.messages[0].find("Error Code: 15\n"), std::string::npos);  // EISDIR
    EXPECT_EQ(doc.UnreadableFile(), doc.DatabasePath());

    // The file is readable again but was never loaded: No (the default) keeps it and the records.
    std::filesystem::remove(doc.DatabasePath());
    WriteAll(doc.DatabasePath(), kGolfFile);
    doc.SetRecords({Rec(1709593200, "Running")});
    doc.MarkChanged();
    prompter.answers = {false, true};
    EXPECT_FALSE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(ReadAll(doc.DatabasePath()), kGolfFile);
    EXPECT_TRUE(doc.IsChanged());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_NE(prompter.questions[0].find("with the 1 records in memory"), std::string::npos);
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));  // Yes replaces it, and later saves do not ask
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(prompter.questions.size(), 2u);
    EXPECT_NE(ReadAll(doc.DatabasePath()).find("\tRunning\t"), std::string::npos);

    // A missing file is no error and nothing to protect.
    std::filesystem::remove(doc.DatabasePath());
    doc.LoadDatabase(&prompter);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(doc.UnreadableFile().empty());
}

TEST_F(KT2DocTest, JournalLoader_GivesWhatTheLoadGivesProblemsIncluded) {
    using Make = std::function<void(const std::filesystem::path& folder)>;
    const std::tuple<const char*, Make, size_t, size_t> cases[] = {
        // {name, folder, records, problems}
        {"active file", [](const auto& f) { WriteAll(f / "ExerciseData.edb", kGolfFile); }, 1, 0},
        {"older name", [](const auto& f) { WriteAll(f / "ExerciseRecord2.txt", kGolfFile); }, 1, 0},
        {"unreadable", [](const auto& f) { std::filesystem::create_directory(f / "ExerciseData.edb"); }, 0, 1},
        {"missing", [](const auto&) {}, 0, 0}};
    for (const auto& [name, make, records, problems] : cases) {
        SCOPED_TRACE(name);
        TempDir folder;
        make(folder.path());
        CKT2Doc loaded;
        loaded.m_strDataFolder = folder.path().string();
        loaded.m_bMetric = true;  // from the settings, kept when no line says otherwise
        loaded.m_dLastWeight = 55.5;
        RecordingPrompter first, second;
        loaded.LoadDatabase(&first);
        std::atomic<std::thread::id> finishedOn{};
        JournalLoader loader(loaded.m_strDataFolder, true, 55.5, [&] { finishedOn = std::this_thread::get_id(); });
        LoadedJournal read = loader.Take();
        EXPECT_TRUE(!read.stopped && loader.Done());
        EXPECT_TRUE(finishedOn.load() != std::thread::id() && finishedOn.load() != std::this_thread::get_id());
        EXPECT_EQ(loader.Percent(), records ? std::optional<int>(100) : std::nullopt);
        CKT2Doc installed;
        installed.InstallJournal(std::move(read), &second);
        EXPECT_EQ(installed.Records().size(), records);
        EXPECT_EQ(Dump(installed, true), Dump(loaded, true));
        EXPECT_EQ(second.messages.size(), problems);
        EXPECT_EQ(second.messages, first.messages);
        EXPECT_EQ(installed.UnreadableFile(), loaded.UnreadableFile());
        EXPECT_EQ(installed.UnreadableFile().empty(), problems == 0);
    }
}

TEST_F(KT2DocTest, FailedSave_ReportsKeepsOldFileAndChangedFlag) {
    WriteAll(doc.DatabasePath(), kGolfFile);
    doc.SetRecords({CEventRecord(1709593200, "Running", "", 30, "", 300, 80, 1, "new")});
    doc.MarkChanged();

    SetAtomicWriteFailureAfterBytesForTesting(10);
    EXPECT_FALSE(doc.SaveDatabase(prompter, clock));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find(doc.DatabasePath().string()), std::string::npos);
    EXPECT_NE(prompter.messages[0].find("Error Code: 1c\n"), std::string::npos);  // ENOSPC
    EXPECT_TRUE(doc.IsChanged());
    EXPECT_EQ(ReadAll(doc.DatabasePath()), kGolfFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary file left

    const auto file = dir / "plain-file";
    WriteAll(file, "x");
    for (const std::string& folder : {file.string(), std::string()}) {
        doc.m_strDataFolder = folder;
        EXPECT_TRUE(!doc.SaveDatabase(prompter, clock) && doc.IsChanged());
    }
    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_NE(prompter.messages[1].find("Error Code: 14\n"), std::string::npos);  // ENOTDIR
    EXPECT_NE(prompter.messages[2].find("Error Code: 2\n"), std::string::npos);   // ENOENT
    EXPECT_EQ(ReadAll(file), "x");
}

TEST_F(KT2DocTest, OnCloseDocument_AsksOnlyWhenChangedAndStaysOpenWhenTheSaveFails) {
    doc.SetRecords({Rec(1709593200, "Running")});
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock) && prompter.questions.empty());

    doc.MarkChanged();
    prompter.answers = {Answer::Cancel, false, true, true};
    EXPECT_TRUE(!doc.OnCloseDocument(prompter, clock) && doc.IsChanged());  // Cancel (or Escape): stays open, nothing changes
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock) && doc.IsChanged());   // No: closes without saving
    EXPECT_FALSE(std::filesystem::exists(doc.DatabasePath()));
    SetAtomicWriteFailureAfterBytesForTesting(0);
    EXPECT_FALSE(doc.OnCloseDocument(prompter, clock));  // Yes, but the save fails
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_TRUE(doc.IsChanged() && prompter.messages.size() == 1u);
    EXPECT_TRUE(doc.OnCloseDocument(prompter, clock) && prompter.questions.size() == 4u);
    EXPECT_EQ(ReadAll(doc.DatabasePath()).substr(0, 12), "1710000000\r\n");
    EXPECT_FALSE(doc.IsChanged());
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
    doc.MarkChanged();
    RecordingPrompter prompter;
    EXPECT_TRUE(doc.OnNewDocument(prompter, hooks));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{});
    EXPECT_FALSE(doc.IsChanged());
    return seen;
}

TEST_F(KT2DocTest, OnNewDocument_RunsHooksByArchiveSettingAndWeight) {
    doc.m_strAutoArchive = "3 15";
    doc.m_dLastWeight = 30.0;
    StartUp seen = RunOnNewDocument(doc);  // no database file at all
    EXPECT_EQ(seen.archived, std::make_pair(3, 15));
    EXPECT_TRUE(!seen.frameWeight && doc.GetTitle().empty());

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
    doc.SetRecords({Rec(200, "c"), Rec(100, "a"), Rec(200, "d"), Rec(-5, "x"), Rec(100, "b")});
    doc.SortByDate();
    EXPECT_EQ(Types(doc), "xabcd");
    // Enough records that an unstable sort would no longer fall back to insertion sort.
    std::vector<CEventRecord> many;
    for (int i = 0; i < 60; ++i) many.push_back(Rec((i * 7) % 3 * 100 - 5, std::string(1, static_cast<char>('!' + i))));
    doc.SetRecords(many);
    std::stable_sort(many.begin(), many.end(), EarlierTime);
    doc.SortByDate();
    CKT2Doc stable;
    stable.SetRecords(many);
    EXPECT_EQ(Dump(doc), Dump(stable));
}

// The duplicate index of a window of days answers as FindRecord does inside it.
TEST_F(KT2DocTest, FindRecordAndDuplicateIndex_MatchByLocalDayTrimmedTextsAndTenths) {
    const Time64 day = LocalMidnight(2024, 3, 5);
    const Time64 spring = LocalMidnight(2024, 3, 31);   // 23 hours long
    const Time64 autumn = LocalMidnight(2024, 10, 27);  // 25 hours long
    const Time64 windowEnd = LocalMidnight(2024, 10, 31);
    doc.SetRecords({
        Rec(LocalMidnight(2024, 3, 4), "Running", 30, "Easy", "Park"),  // 0
        Rec(day, "Running", 30.04, "Easy  ", " Park\t"),                // 1
        Rec(day, "Running", 30.04, "Easy", "Park"),                     // 2
        Rec(MakeLocalTime(2024, 3, 30, 23, 59, 59), "Run", 10),         // 3
        Rec(MakeLocalTime(2024, 3, 31, 23, 30), "Run", 10),             // 4
        Rec(LocalMidnight(2024, 4, 1), "Run", 20),                      // 5
        Rec(MakeLocalTime(2024, 10, 27, 23, 30), "Run", 10),            // 6
        Rec(spring, "Golf", 30.04, "Range ", " Club"),                  // 7
        Rec(autumn, "Golf", 45, "Range"),                               // 8
        Rec(autumn + 3600, "Swim", 20, "Lanes", "Pool"),                // 9: stamped after midnight, its day is still autumn
        // Extreme dates are neither found nor a trap for the day arithmetic.
        Rec(LLONG_MIN, "Running", 30, "Easy", "Park"), Rec(LLONG_MAX, "Running", 30, "Easy", "Park"),
        Rec(windowEnd, "Walk", 15),  // 12: on the window's last day
    });
    // {day, type, description, duration, location, position found}
    const std::tuple<Time64, const char*, const char*, double, const char*, int> probes[] = {
        {day, "Running", "Easy", 30.04, "Park", 1},
        {day, "  Running \t", "Easy", 29.96, "Park", 1},
        {day, "running", "Easy", 30.04, "Park", -1},
        {day, "Running", " Easy", 30.04, "Park", -1},  // the given description is taken as it is
        // A location cell left as a capture cleared it holds one blank: it matches an empty location.
        {day, "Running", "Easy", 30.04, "Park ", 1},
        {spring, "Run", "", 10, " ", 4},
        {LocalMidnight(2024, 3, 4), "Running", "Easy", 29.95, "Park", 0},
        {LocalMidnight(2024, 3, 30), "Run", "", 10, "", 3},
        {day + 1, "Running", "Easy", 30, "Park", -1},  // not a midnight
        {spring + kSecondsPerDay, "Golf", "Range", 30, "Club", -1},
        {LLONG_MIN, "Running", "Easy", 1, "Park", -1},
        {LocalMidnight(2024, 4, 1), "Run", "", 20, "", 5},
        {autumn, "Run", "", 10, "", 6},
        {LocalMidnight(2024, 10, 28), "Run", "", 10, "", -1},
        {spring, "Golf", "Range", 29.96, "Club", 7},
        {spring, "Golf", "Range ", 30, "Club", -1},
        {autumn, "Golf", "Range", 45.04, "", 8},
        {autumn, "Swim", "Lanes", 20, "Pool", 9},
        {windowEnd, "Walk", "", 15, "", 12},
    };
    const DuplicateIndex index(doc, spring, windowEnd);
    for (const auto& [day, type, description, duration, location, found] : probes) {
        SCOPED_TRACE(Format("%s|%s|%s|%g|%s", FormatTime(day, "%m-%d %H:%M").c_str(), type, description, duration, location));
        EXPECT_EQ(doc.FindRecord(day, type, description, duration, location), found);
        EXPECT_EQ(index.Contains(day, type, description, duration, location), found != -1 && day >= spring && day <= windowEnd);
    }
    doc.SetRecords({});
    EXPECT_EQ(doc.FindRecord(day, "Running", "Easy", 30, "Park"), -1);
}

// Every notice an observer receives, as one line each, in order.
struct NoticeLog : JournalObserver {
    void RecordsAboutToBeInserted(size_t a, size_t b) override { Add("+?", a, b); }
    void RecordsInserted(size_t a, size_t b) override { Add("+", a, b); }
    void RecordsAboutToBeRemoved(size_t a, size_t b) override { Add("-?", a, b); }
    void RecordsRemoved(size_t a, size_t b) override { Add("-", a, b); }
    void RecordsChanged(size_t a, size_t b) override { Add("~", a, b); }
    void AboutToReorder() override { lines.push_back("sort?"); }
    void Reordered() override { lines.push_back("sort"); }
    void AboutToReset() override { lines.push_back("reset?"); }
    void Reset() override { lines.push_back("reset"); }
    void JournalChanged(const JournalChange& c) override {
        lines.push_back(Format("changed%s%s", c.records ? " records" : "", c.reloaded ? " reloaded" : ""));
    }
    void ModifiedChanged(bool changed) override { lines.push_back(changed ? "modified" : "saved"); }
    void Saved(const SaveReport& r) override { lines.push_back(SaveReportText(r)); }
    void Add(const char* what, size_t a, size_t b) { lines.push_back(Format("%s%zu-%zu", what, a, b)); }
    std::vector<std::string> Take() { return std::exchange(lines, {}); }
    std::vector<std::string> lines;
};

using Lines = std::vector<std::string>;

TEST_F(KT2DocTest, Operations_ChangeTheArrayOnlyAsAskedAndTellTheObserversInOrder) {
    NoticeLog log;
    doc.AddObserver(&log);
    doc.SetRecords({Rec(100, "a"), Rec(300, "c")});
    EXPECT_EQ(log.Take(), (Lines{"reset?", "reset", "changed records reloaded"}));  // the flag stays as it was
    EXPECT_FALSE(doc.IsChanged());

    // A new record goes after every record of its day or earlier, as appending and sorting would.
    EXPECT_EQ(doc.AddRecord(Rec(200, "b")), 1u);
    EXPECT_EQ(doc.AddRecord(Rec(100, "A")), 1u);
    EXPECT_EQ(log.Take(), (Lines{"+?1-1", "+1-1", "modified", "changed records", "+?1-1", "+1-1", "changed records"}));
    EXPECT_EQ(Types(doc), "aAbc");

    // Insert, replace and re-date keep every other record where it was; the next sort restores the order.
    EXPECT_TRUE(doc.InsertRecord(4, Rec(50, "z")));
    EXPECT_TRUE(doc.ReplaceRecord(0, Rec(100, "a2")));
    EXPECT_TRUE(doc.ChangeDate(2, 400));
    EXPECT_EQ(Types(doc), "a2Abcz (unsorted)");
    EXPECT_EQ(doc.AddRecord(Rec(100, "late")), 5u);  // out of order: appended
    log.Take();
    doc.SortByDate();
    EXPECT_EQ(Types(doc), "za2Alatecb");
    EXPECT_EQ(log.Take(), (Lines{"sort?", "sort", "changed records"}));
    doc.SortByDate();  // in order already: nothing to tell
    EXPECT_TRUE(log.Take().empty());

    EXPECT_TRUE(doc.DeleteRecord(0));
    EXPECT_EQ(log.Take(), (Lines{"-?0-0", "-0-0", "changed records"}));
    // Positions outside the array change nothing and tell nobody.
    EXPECT_FALSE(doc.DeleteRecord(5) || doc.ReplaceRecord(5, Rec(1, "x")) || doc.ChangeDate(9, 1) || doc.InsertRecord(6, Rec(1, "x")));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(Types(doc), "a2Alatecb");

    // A batch gives one completed change however many operations ran in it, nested or not.
    {
        const JournalBatch outer(doc);
        doc.AddRecord(Rec(500, "d"));
        {
            const JournalBatch inner(doc);
            doc.DeleteRecord(0);
            doc.MarkChanged();
        }
        EXPECT_EQ(log.lines.back(), "-0-0");
    }
    EXPECT_EQ(log.Take(), (Lines{"+?5-5", "+5-5", "-?0-0", "-0-0", "changed records"}));
    {
        const JournalBatch onlyMarked(doc);
        doc.MarkChanged();
    }
    EXPECT_EQ(log.Take(), (Lines{"changed"}));

    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(log.Take(), (Lines{"saved", "Saved 5 records to " + doc.DatabasePath().string()}));
    doc.LoadDatabase();
    EXPECT_EQ(log.Take(), (Lines{"reset?", "reset", "changed records reloaded"}));

    // A copy of the document has no observers; a removed observer hears nothing more.
    CKT2Doc copy = doc;
    copy.MarkChanged();
    doc.RemoveObserver(&log);
    doc.MarkChanged();
    EXPECT_TRUE(log.Take().empty());
}

}  // namespace
}  // namespace kt
