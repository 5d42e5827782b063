#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "core/app/ArchiveCommands.h"
#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/journal/Archive.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::WriteAll;

Time64 Day(int y, int m, int d) { return LocalMidnight(y, m, d); }
std::string Date(Time64 t) { return FormatTime(t, "%y-%m-%d %H:%M"); }

// Records written in short: "23-12-31" or "23-12-31 notes"; shown the same way.
CEventRecord Rec(const std::string& day) {
    const Time64 t = Day(2000 + std::stoi(day.substr(0, 2)), std::stoi(day.substr(3, 2)), std::stoi(day.substr(6, 2)));
    return CEventRecord(t, "Golf", "nine holes", 60, "Club", 300, 80, 1, day.size() > 9 ? day.substr(9) : "");
}
std::string Show(const std::vector<CEventRecord>& records) {
    std::string s;
    for (const CEventRecord& r : records)
        s += " | " + FormatTime(r.m_time, "%y-%m-%d") + (r.m_strNotes.empty() ? "" : " " + r.m_strNotes.str());
    return s;
}
// A database file as the program writes it.
void Put(const std::filesystem::path& path, Time64 header, const std::vector<std::string>& days) {
    std::vector<CEventRecord> records;
    for (const std::string& day : days) records.push_back(Rec(day));
    CKT2Doc d;
    d.SetRecords(records);
    std::string bytes;
    for (const std::string& line : d.DatabaseLines(header)) bytes += line + "\r\n";
    WriteAll(path, bytes);
}
// A file in short: its header as a date, then its records.
std::string Show(const std::filesystem::path& path) {
    CKT2Doc d;
    std::optional<uint64_t> header;
    if (d.ReadDatabaseFile(path, nullptr, &header) < 0) return "none";
    return (header ? Date(static_cast<Time64>(*header)) : "?") + Show(d.Records());
}

// Moves files into its own folder, as the desktop trash would; names listed in `refuse` stay.
class FolderTrash : public Trash {
public:
    explicit FolderTrash(std::filesystem::path folder) : m_folder(std::move(folder)) { std::filesystem::create_directories(m_folder); }
    bool MoveToTrash(const std::filesystem::path& file, FileError& error) override {
        // Nothing may be given up before the file that replaces it is complete.
        combinedAtMove.push_back(Show(file.parent_path() / "ExerciseData.edb.recombined"));
        if (refuse.count(file.filename().string())) {
            error = {EACCES, "Permission denied"};
            return false;
        }
        std::filesystem::rename(file, m_folder / file.filename());
        moved.push_back(file.filename().string());
        return true;
    }
    std::set<std::string> refuse;
    std::vector<std::string> moved, combinedAtMove;

private:
    std::filesystem::path m_folder;
};

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveTest() {
        std::filesystem::create_directories(folder);
        doc.m_strDataFolder = folder.string();
    }
    ~ArchiveTest() override { SetAtomicWriteFailureAfterBytesForTesting(-1); }
    std::filesystem::path File(const std::string& name) const { return folder / name; }
    std::string Active() const { return Show(doc.DatabasePath()); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    std::filesystem::path folder = dir.path() / "KT";
    CKT2Doc doc;
    test::RecordingPrompter prompter;
    test::FixedClock clock{Day(2024, 3, 5) + 15 * 3600};  // Tuesday, March 5, 2024, 15:00
    const std::string now = Date(clock.now);
    Settings settings;
    ArchiveContext context{doc, settings, prompter, clock};
};

TEST(ArchiveRules, CutDatesNamesAndTheYearlyArchiveDay) {
    const std::tuple<Time64, int, const char*> cuts[] = {
        {Day(2024, 3, 5), kCutWeekStart, "24-03-03"},  {Day(2024, 3, 3), kCutWeekStart, "24-03-03"},
        {Day(2024, 3, 9), kCutWeekStart, "24-03-03"},  {Day(2024, 3, 5), kCutWeekAgo, "24-02-27"},
        {Day(2024, 3, 5), kCutMonthStart, "24-03-01"}, {Day(2024, 3, 5), kCutMonthAgo, "24-02-04"},
        {Day(2024, 3, 5), kCutYearStart, "24-01-01"},  {Day(2024, 3, 5), kCutYearAgo, "23-03-05"},
        {Day(2025, 3, 5), kCutYearAgo, "24-03-05"},    {Day(2024, 4, 2), kCutWeekAgo, "24-03-26"},  // a midnight across the clock change
    };
    for (const auto& [today, choice, cut] : cuts)
        EXPECT_EQ(Date(CutDateForChoice(choice, today).value()), cut + std::string(" 00:00")) << choice;
    EXPECT_FALSE(CutDateForChoice(kCutChosenDay, Day(2024, 3, 5)));
    EXPECT_EQ(BackupFileName(Day(2024, 3, 5) + 15 * 3600), "ExerciseData_backup_03-05-24.edb");
    EXPECT_EQ(ArchiveFileName(Day(2024, 1, 1)), "ExerciseData_Ending_12-31-23.edb");

    test::TempDir dir;
    // Due from 31 days (of seconds) after the day of this year, while its archive does not exist.
    const std::tuple<int, int, Time64, const char*> due[] = {
        {1, 1, Day(2024, 1, 31) + 86399, ""}, {1, 1, Day(2024, 2, 1), "24-01-01"}, {2, 30, Day(2024, 4, 1) + 3600, "24-03-01"},
        {2, 30, Day(2023, 4, 3), "23-03-02"}, {3, 1, Day(2024, 4, 1), ""},         {3, 1, Day(2024, 4, 1) + 3600, "24-03-01"},
        {0, 1, Day(2024, 6, 1), ""},          {13, 1, Day(2024, 6, 1), ""},        {1, 32, Day(2024, 6, 1), ""},
        {1, 31, Day(2024, 6, 1), "24-01-31"}};
    for (const auto& [month, day, at, cut] : due) {
        const auto got = AutoArchiveCut(month, day, at, dir.path());
        EXPECT_EQ(got ? Date(*got).substr(0, 8) : "", cut) << month << " " << day << " at " << Date(at);
    }
    WriteAll(dir / "ExerciseData_Ending_12-31-23.edb", "1\r\n");
    EXPECT_FALSE(AutoArchiveCut(1, 1, Day(2024, 2, 1), dir.path()));
    EXPECT_TRUE(AutoArchiveCut(1, 1, Day(2025, 2, 1), dir.path()));

    for (const char* name :
         {"ExerciseData.edb", "ExerciseData_Ending_06-30-22.edb", "ExerciseData_backup_03-05-24.edb", "ExerciseData_Ending_backup.edb",
          "exercisedata_x.edb", "ExerciseData.edb.recombined", "ExerciseData_x.EDB", "ExerciseData_Old.edb"})
        WriteAll(dir / name, "1\r\n");
    std::filesystem::create_directory(dir / "ExerciseData_Ending_dir.edb");
    EXPECT_EQ(ListDatabaseFiles(dir.path()),
              (std::vector<std::string>{"ExerciseData_Ending_06-30-22.edb", "ExerciseData_Ending_12-31-23.edb", "ExerciseData_Old.edb",
                                        "ExerciseData.edb"}));
    EXPECT_EQ(ListArchiveFiles(dir.path()),
              (std::vector<std::string>{"ExerciseData_Ending_06-30-22.edb", "ExerciseData_Ending_12-31-23.edb"}));
}

// Each span as "text|bold italic|r,g,b".
std::vector<std::string> Spans(const StyledText& s) {
    std::vector<std::string> out;
    for (const TextSpan& t : s.spans) {
        out.push_back(Format("%s|%d%d|%d,%d,%d", std::string(s.Slice(t.start, t.length)).c_str(), t.bold, t.italic, t.colour.r, t.colour.g,
                             t.colour.b));
    }
    return out;
}

TEST(ArchiveRules, DialogTextsPickOutTheirDatesAndNames) {
    EXPECT_EQ(Spans(ArchiveInfoText(Day(2024, 1, 1))),
              (std::vector<std::string>{"Clicking OK now will archive all records prior to|11|0,128,0", " January 01, 2024|11|220,0,0"}));
    // The newest archive is named in the sentence, the others listed after it.
    const StyledText report = AutoArchiveReport(
        Day(2024, 1, 1), {"ExerciseData_Ending_06-30-22.edb", "ExerciseData_Ending_12-31-23.edb", "ExerciseData_Ending_12-31-22.edb"});
    EXPECT_EQ(Spans(report), (std::vector<std::string>{"January 01, 2024|10|160,0,0", "ExerciseData_Ending_12-31-23.edb|10|160,0,0"}));
    EXPECT_NE(report.text.find(". There are also 2 other previously archived exercise record sets:\nExerciseData_Ending_06-30-22.edb\n"
                               "ExerciseData_Ending_12-31-22.edb\nAll exercise"),
              std::string::npos);
    EXPECT_EQ(AutoArchiveReport(Day(2024, 1, 1), {"ExerciseData_Ending_12-31-23.edb"}).text.find("There are also"), std::string::npos);

    EXPECT_EQ(RecombineCheckCaption("3 15", Day(2024, 6, 1)), "Automatically trim database && archive older records on March 15.");
    EXPECT_EQ(RecombineCheckCaption("2 30", Day(2023, 6, 1)), "Automatically trim database && archive older records on March 02.");
    for (const char* off : {"0 0", "3 0", "0 3", "x"})
        EXPECT_EQ(RecombineCheckCaption(off, Day(2024, 6, 1)), "Automatically Trim the database and archive older records.") << off;
    EXPECT_EQ(AutoArchiveAfterRecombine("1 1", true) + AutoArchiveAfterRecombine("1 1", false), "1 10 0");
    std::string countdown;
    for (Time64 remaining : {20, 19, 5, 0, -3, 61}) countdown += CountdownCaption(remaining).substr(21, 2) + " ";
    EXPECT_EQ(countdown, "20 19 05 00 00 01 ");
}

TEST_F(ArchiveTest, TrimKeepsTheCutDayMergesIntoAnExistingArchiveAndBacksUpOncePerDay) {
    Put(doc.DatabasePath(), Day(2024, 2, 1), {"23-06-01", "23-12-31", "24-01-01", "24-03-04"});
    const std::string activeBefore = ReadAll(doc.DatabasePath());
    doc.LoadDatabase();
    doc.InsertRecord(doc.Records().size(), Rec("23-11-05 not saved yet"));
    doc.MarkChanged();
    ASSERT_TRUE(ArchiveBefore(context, CutDateForChoice(kCutYearStart, MidnightOf(clock.now)).value()));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"ExerciseData.edb", "ExerciseData_Ending_12-31-23.edb", "ExerciseData_backup_03-05-24.edb"}));
    EXPECT_EQ(ReadAll(File("ExerciseData_backup_03-05-24.edb")), activeBefore);
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-23.edb")), "23-12-31 00:00 | 23-06-01 | 23-11-05 not saved yet | 23-12-31");
    EXPECT_EQ(Active(), now + " | 24-01-01 | 24-03-04");
    EXPECT_EQ(Show(doc.Records()), " | 24-01-01 | 24-03-04");
    EXPECT_TRUE(doc.IsChanged() && settings.m_bSettingsChanged);

    // The same day again, with a late record before the cut and one the archive holds already.
    doc.InsertRecord(doc.Records().size(), Rec("23-12-01 late"));
    doc.InsertRecord(doc.Records().size(), Rec("23-06-01"));
    ASSERT_TRUE(doc.TrimAndArchive(Day(2024, 1, 1), prompter, clock));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"The backup of the database for today's date already exists"});
    EXPECT_EQ(ReadAll(File("ExerciseData_backup_03-05-24.edb")), activeBefore);
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-23.edb")),
              "23-12-31 00:00 | 23-06-01 | 23-11-05 not saved yet | 23-12-01 late | 23-12-31");
    EXPECT_EQ(Active(), now + " | 24-01-01 | 24-03-04");

    // Without an active file there is nothing to back up: said, and the trim goes on.
    prompter.messages.clear();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(doc.TrimAndArchive(Day(2024, 1, 1), prompter, clock));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"Unable to copy the existing database because \n\n" + doc.DatabasePath().string() +
                                       "\n\ncould not be found. This may occur after upgrading to version 2.5 due to the "
                                       "change in the file naming convention used."});
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-23.edb")), "23-12-31 00:00");
}

TEST_F(ArchiveTest, NoRecordEndsUpInNoFileWhenAWriteFails) {
    const std::string archive = "ExerciseData_Ending_12-31-23.edb";
    const std::tuple<const char*, std::function<void()>, const char*, const char*> cases[] = {
        // A full disk during the archive (the longer file): the active file is not touched yet.
        {"archive write fails", [] { SetAtomicWriteFailureAfterBytesForTesting(300); }, "The archive file ", "none"},
        {"archive read-only", [&] { Put(File(archive), Day(2023, 12, 31), {"23-01-01"}), ::chmod(File(archive).c_str(), 0444); },
         "The archive file ", "23-12-31 00:00 | 23-01-01"},
        // The active file refused: a new archive goes again, an older one gets its content back.
        {"active read-only", [&] { ::chmod(doc.DatabasePath().c_str(), 0444); }, "The exercise database ", "none"},
        {"active read-only, archive existed",
         [&] { Put(File(archive), Day(2023, 12, 31), {"23-01-01"}), ::chmod(doc.DatabasePath().c_str(), 0444); }, "The exercise database ",
         "23-12-31 00:00 | 23-01-01"},
    };
    for (const auto& [name, arrange, message, archiveAfter] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        Put(doc.DatabasePath(), Day(2024, 2, 1), {"23-05-01 " + std::string(400, 'a'), "24-02-01"});
        doc.LoadDatabase();
        prompter.messages.clear();
        arrange();
        EXPECT_FALSE(ArchiveBefore(context, Day(2024, 1, 1)));
        SetAtomicWriteFailureAfterBytesForTesting(-1);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].rfind(message, 0), 0u) << prompter.messages[0];
        EXPECT_EQ(Active(), "24-02-01 00:00 | 23-05-01 " + std::string(400, 'a') + " | 24-02-01");
        EXPECT_EQ(Show(File(archive)), archiveAfter);
        EXPECT_EQ(doc.Records().size(), 2u);
        ::chmod(doc.DatabasePath().c_str(), 0644);
    }
}

// Two archives and the active file, plus a backup that is never read.
class AllDataTest : public ArchiveTest {
protected:
    AllDataTest() {
        Put(File("ExerciseData_Ending_12-31-22.edb"), Day(2022, 12, 31), {"22-05-01 a22"});
        Put(File("ExerciseData_Ending_12-31-23.edb"), Day(2023, 12, 31), {"23-07-01 b23", "23-02-01 a23"});
        Put(File("ExerciseData_backup_03-05-24.edb"), 1, {"23-02-01 backup"});
        Put(doc.DatabasePath(), Day(2024, 3, 1), {"24-02-01 a24"});
        doc.LoadDatabase();
    }
    const std::string all = " | 22-05-01 a22 | 23-02-01 a23 | 23-07-01 b23 | 24-02-01 a24";
};

TEST_F(AllDataTest, ViewAllReadsEveryFileButBackupsSavesEachRecordToItsFileAndNeedsTwoFiles) {
    EXPECT_TRUE(doc.ReadAllDatabases(prompter) == 7 && doc.m_bAllData);
    EXPECT_EQ(Show(doc.Records()), all);
    const std::string archive23 = ReadAll(File("ExerciseData_Ending_12-31-23.edb"));
    doc.InsertRecord(0, Rec("22-01-01 new"));
    const long long writes = CompletedAtomicWritesForTesting();
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(CompletedAtomicWritesForTesting() - writes, 1);  // untouched archives are not rewritten
    EXPECT_EQ(Active(), now + " | 22-01-01 new | 24-02-01 a24");
    EXPECT_EQ(ReadAll(File("ExerciseData_Ending_12-31-23.edb")), archive23);

    // An edit of an archived record and a deletion from another archive go to those files, headers kept.
    {
        CEventRecord edited = doc.Records()[2];  // keeps the file it came from
        edited.m_strNotes = "a23 edited";
        doc.ReplaceRecord(2, edited);
    }
    doc.DeleteRecord(1);
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-22.edb")), "22-12-31 00:00");
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-23.edb")), "23-12-31 00:00 | 23-02-01 a23 edited | 23-07-01 b23");
    EXPECT_EQ(Active(), now + " | 22-01-01 new | 24-02-01 a24");
    doc.LoadDatabase();
    EXPECT_EQ(doc.ReadAllDatabases(prompter), 7);
    EXPECT_EQ(Show(doc.Records()), " | 22-01-01 new | 23-02-01 a23 edited | 23-07-01 b23 | 24-02-01 a24");

    std::filesystem::remove(File("ExerciseData_Ending_12-31-22.edb"));
    std::filesystem::remove(File("ExerciseData_Ending_12-31-23.edb"));
    doc.LoadDatabase();
    EXPECT_TRUE(doc.ReadAllDatabases(prompter) == 1 && !doc.m_bAllData);
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"The current exercise database is the only one available; there are no other databases to read."});
}

TEST_F(AllDataTest, ViewSwitchSavesFirstAndATrimOfAllDataTouchesOnlyTheActiveRecords) {
    doc.InsertRecord(doc.Records().size(), Rec("24-03-01 captured"));
    doc.MarkChanged();
    ASSERT_TRUE(ToggleAllData(context) && doc.m_bAllData);
    EXPECT_EQ(Show(doc.Records()), all + " | 24-03-01 captured");

    doc.InsertRecord(doc.Records().size(), Rec("23-12-24 while viewing all"));
    {
        CEventRecord edited = doc.Records()[0];  // keeps the file it came from
        edited.m_strNotes = "a22 edited";
        doc.ReplaceRecord(0, edited);
    }
    doc.MarkChanged();
    ASSERT_TRUE(ArchiveBefore(context, Day(2024, 2, 15)) && !doc.m_bAllData);
    EXPECT_EQ(Show(File("ExerciseData_Ending_12-31-22.edb")), "22-12-31 00:00 | 22-05-01 a22 edited");
    EXPECT_EQ(Show(File("ExerciseData_Ending_02-14-24.edb")), "24-02-14 00:00 | 23-12-24 while viewing all | 24-02-01 a24");
    EXPECT_EQ(Show(doc.Records()), " | 24-03-01 captured");

    // A save that fails keeps the view and the records.
    doc.MarkChanged();
    SetAtomicWriteFailureAfterBytesForTesting(0);
    EXPECT_FALSE(ToggleAllData(context) || doc.m_bAllData);
    EXPECT_EQ(Show(doc.Records()), " | 24-03-01 captured");
}

TEST_F(AllDataTest, RecombineWritesTheCombinedFileBeforeTrashingTheOldOnes) {
    settings.m_strAutoArchive = doc.m_strAutoArchive = "1 1";
    FolderTrash trash(dir.path() / "trash");
    std::string asked;
    EXPECT_EQ(Recombine(context, trash, [&](const std::string& s) { return asked = s, std::optional<std::string>(); }), 0);
    EXPECT_TRUE(asked == "1 1" && Files().size() == 4u);

    trash.refuse = {"ExerciseData_Ending_12-31-22.edb"};
    EXPECT_EQ(
        Recombine(context, trash, [](const std::string& s) { return std::optional<std::string>(AutoArchiveAfterRecombine(s, false)); }), 7);
    EXPECT_TRUE(settings.m_strAutoArchive + doc.m_strAutoArchive == "0 00 0" && settings.m_bSettingsChanged);
    EXPECT_EQ(Active(), now + all);
    EXPECT_EQ(trash.moved, (std::vector<std::string>{"ExerciseData_Ending_12-31-23.edb", "ExerciseData.edb"}));
    EXPECT_EQ(trash.combinedAtMove, std::vector<std::string>(3, now + all));
    EXPECT_EQ(Show(dir.path() / "trash" / "ExerciseData.edb"), "24-03-01 00:00 | 24-02-01 a24");
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{
                  "Could not delete all 3 exercise database files.\n\nThe error code is: d\n\nError Message is: Permission denied"});
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"ExerciseData.edb", "ExerciseData_Ending_12-31-22.edb", "ExerciseData_backup_03-05-24.edb"}));
    EXPECT_TRUE(doc.m_bAllData && !doc.IsChanged());
    // Every record belongs to the active file now.
    doc.MarkChanged();
    ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    EXPECT_EQ(Active(), now + all);
}

TEST_F(AllDataTest, RecombineThatCannotWriteGivesNothingUp) {
    FolderTrash trash(dir.path() / "trash");
    doc.InsertRecord(doc.Records().size(), Rec("24-03-01 captured"));
    doc.MarkChanged();
    // The pending record is saved (a short file), the combined file is not.
    SetAtomicWriteFailureAfterBytesForTesting(200);
    EXPECT_EQ(doc.RecombineDatabases(
                  prompter, trash, [](const std::string& s) { return std::optional<std::string>(s); }, clock),
              8);
    ASSERT_TRUE(trash.moved.empty() && prompter.messages.size() == 1u);
    EXPECT_EQ(prompter.messages[0].rfind("The exercise database " + doc.DatabasePath().string() + ".recombined could not be saved.", 0),
              0u);
    EXPECT_TRUE(Files().size() == 4u && doc.m_bAllData);
    EXPECT_EQ(Show(doc.Records()), all + " | 24-03-01 captured");
}

}  // namespace
}  // namespace kt
