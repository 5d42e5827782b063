#include <gtest/gtest.h>

#include <sstream>

#include "core/app/DataFolder.h"
#include "core/base/FolderLock.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/cli/Arguments.h"
#include "core/cli/Cli.h"
#include "core/journal/DatabaseCheck.h"
#include "core/journal/KT2Doc.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using cli::Arguments;
using cli::CalendarDay;
using cli::Command;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(CliArguments, BadWordsGiveOneMessageEach) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "no command given"},
        {{"report"}, "unknown command \"report\""},
        {{"summary", "--bogus"}, "unknown option --bogus"},
        {{"summary", "--period"}, "--period needs a value"},
        {{"summary", "--period", "10"}, "--period takes a number from 0 to 9, not \"10\""},
        {{"summary", "--period", "2x"}, "--period takes a number from 0 to 9, not \"2x\""},
        {{"summary", "--period", "1", "--period", "2"}, "--period is given twice"},
        {{"summary", "extra"}, "summary takes no further argument \"extra\""},
        {{"--period", "1", "summary"}, "--period comes after the command that takes it"},
        {{"check", "--period", "1"}, "check does not take --period"},
        {{"summary", "--help=yes"}, "--help takes no value"},
        {{"summary", "--data-folder="}, "--data-folder takes a folder"},
        {{"export-csv"}, "export-csv needs a file"},
        {{"export-csv", "--from", "2024-5-1", "a.csv"}, "--from takes a date as YYYY-MM-DD, not \"2024-5-1\""},
        {{"export-csv", "--to", "2023-02-29", "a.csv"}, "--to takes a date as YYYY-MM-DD, not \"2023-02-29\""},
        {{"export-csv", "--from", "2024-05-02", "--to", "2024-05-01", "a.csv"}, "--from lies after --to"},
        {{"add", "--duration", "30"}, "add needs --activity"},
        {{"add", "--activity", "Golf, general"}, "add needs --duration"},
        {{"add", "--activity", "  ", "--duration", "30"}, "--activity takes the name of an activity"},
        {{"add", "--activity", "Golf", "--duration", "1h"}, "--duration takes minutes or hours (45, 1.5, 1:30 or 1:15:30), not \"1h\""},
        {{"add", "--activity", "Golf", "--duration", "30", "--calories", "-0.5"}, "--calories takes a number of 0 or more, not \"-0.5\""},
    };
    for (const auto& [words, error] : cases) EXPECT_EQ(cli::ParseArguments(words).error, error) << ::testing::PrintToString(words);
}

TEST(CliArguments, GoodWordsFillTheirFields) {
    const cli::ParseResult add = cli::ParseArguments({"--data-folder", "/j", "add", "--activity=Golf, general", "--duration", "1:30",
                                                      "--description", "", "--calories", " 250 ", "--date", "2024-02-29", "--notes", "n"});
    ASSERT_EQ(add.error, "");
    const Arguments& a = add.args;
    EXPECT_EQ(a.command, Command::Add);
    // Given empty is not the same as not given.
    EXPECT_TRUE(a.description == "" && !a.location.has_value() && a.date == (CalendarDay{2024, 2, 29}));
    EXPECT_EQ(
        a.dataFolder.value_or("?") + "|" + a.activity + "|" + a.duration + "|" + a.calories.value_or("?") + "|" + a.notes.value_or("?"),
        "/j|Golf, general|1:30|250|n");

    const cli::ParseResult exp = cli::ParseArguments({"export-csv", "-", "--to", "2024-12-31", "--data-folder=/k"});
    ASSERT_EQ(exp.error, "");
    EXPECT_TRUE(exp.args.file == "-" && exp.args.to == (CalendarDay{2024, 12, 31}) && !exp.args.from && exp.args.dataFolder == "/k");

    // --help needs nothing else of the command; --version stands alone.
    EXPECT_TRUE(cli::ParseArguments({"add", "--help"}).args.help && cli::ParseArguments({"add", "--help"}).error.empty());
    EXPECT_TRUE(cli::ParseArguments({"--version"}).args.version);
    EXPECT_EQ(cli::ParseArguments({"summary", "--period=9"}).args.period, 9);
    EXPECT_EQ(cli::ParseArguments({"add", "--activity", "Golf", "--duration", "30", "--calories", "0"}).args.calories, "0");
}

TEST(CliArguments, DaysAndDurations) {
    for (const auto& [text, day] : std::vector<std::pair<const char*, std::optional<CalendarDay>>>{
             {"2024-02-29", CalendarDay{2024, 2, 29}}, {"2023-12-31", CalendarDay{2023, 12, 31}}, {"1970-01-01", CalendarDay{1970, 1, 1}}})
        EXPECT_EQ(cli::ParseCalendarDay(text), day) << text;
    for (const char* bad : {"2023-02-29", "2024-04-31", "2024-13-01", "2024-00-10", "2024-01-00", "1969-12-31", "2024/01/05", "2024-01-5",
                            "2024-01-05 ", "2O24-01-05"})
        EXPECT_EQ(cli::ParseCalendarDay(bad), std::nullopt) << bad;

    for (const char* good : {"45", "1.5", ".5", "5.", "1:30", "1:15:30", "0"}) EXPECT_TRUE(cli::IsDurationText(good)) << good;
    for (const char* bad : {"", ".", "1:2:3:4", "1::2", "1:", ":30", "-5", "1e3", "1,5", "45 ", "inf"})
        EXPECT_FALSE(cli::IsDurationText(bad)) << bad;
}

TEST(CliDataFolder, DocumentsFolderFollowsUserDirs) {
    TempDir dir;
    const std::string home = (dir / "home").string();
    const std::filesystem::path config = dir / "config";
    std::filesystem::create_directories(config);
    const std::pair<const char*, std::string> cases[] = {
        // {user-dirs.dirs, nullptr for none; the folder}
        {nullptr, home + "/Documents"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", home + "/Documents"},
        {"# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", home + "/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs/\"\r\nXDG_DOCUMENTS_DIR=\"$HOME/Second\"\n", home + "/Docs"},
        {"XDG_DOCUMENTS_DIR=/srv/bare\n", "/srv/bare"},
        {"XDG_DOCUMENTS_DIR=\"relative/path\"\n", home + "/Documents"},
        {" XDG_DOCUMENTS_DIR=\"/srv/indented\"\n", home + "/Documents"},
    };
    for (const auto& [userDirs, expected] : cases) {
        std::filesystem::remove(config / "user-dirs.dirs");
        if (userDirs) WriteAll(config / "user-dirs.dirs", userDirs);
        EXPECT_EQ(XdgDocumentsFolder(home, config.string()), expected) << (userDirs ? userDirs : "(none)");
    }
    // Without XDG_CONFIG_HOME (or with a relative one) the file is read from $HOME/.config.
    std::filesystem::create_directories(dir / "home" / ".config");
    WriteAll(dir / "home" / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/FromHome\"\n");
    EXPECT_EQ(XdgDocumentsFolder(home, ""), home + "/FromHome");
    EXPECT_EQ(XdgDocumentsFolder(home, "config"), home + "/FromHome");
    EXPECT_EQ(XdgDocumentsFolder("", config.string()), std::nullopt);
    EXPECT_EQ(DataFolderPath("/h/Documents"), std::filesystem::path("/h/Documents/Quorvane/KT"));
}

TEST(DatabaseCheck, NamesEveryLineThatDoesNotReadCleanly) {
    const std::string good = "1451948400\tGolf, general\tRange\t45.00\tClub\t200.0\t80.0\t1\tnotes";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"1700000000\r\n" + good + "\r\n", {}},
        {std::string("\xEF\xBB\xBF") + "1700000000\n" + good + "\n\n", {}},                 // mark, LF ends, an empty line
        {"1700000000\n1451948400\tA\tB\t45.00\tC\t200.0\t80.0\told notes\n", {}},           // eight-field layout
        {"1700000000\n1451948400\tA\tB\t45.00\tC\t200.0\t80.0\t0\tnotes\twith tab\n", {}},  // a tab in the notes
        {"not a number\n" + good + "\n", {}},                                               // nobody reads the header
        {"1700000000\n" + good + "\nstray text\n", {"line 3: no tab, the line is not read"}},
        {"1700000000\n1451948400\tGolf\tRange\n", {"line 2: short line: 3 of 9 fields"}},
        {"1700000000\nx1451948400\tA\tB\t45.00\tC\t200.0\t80.0\t1\t\n", {"line 2: unreadable date: \"x1451948400\""}},
        {"1700000000\n1451948400\tA\tB\t45 min\tC\t200.0\t80.0\t1\t\n", {"line 2: unreadable duration \"45 min\""}},
        {"1700000000\n1451948400\tA\tB\t45.00\tC\t\t80.0\t1\t\n", {"line 2: unreadable calories \"\""}},
        {"1700000000\n1451948400\tA\tB\t45.00\tC\t200.0\t80,5\t1\t\n", {"line 2: unreadable weight \"80,5\""}},
        {"1700000000\n1451948400\tA\tB\t45.00\tC\t200.0\t80.0\t10\tn\n", {"line 2: unknown unit flag: \"10\""}},
        {"1700000000\n1451948400\tA\tB\tx\tC\ty\n" + good + "\n\x80stray",
         {"line 2: short line: 6 of 9 fields", "line 2: unreadable duration \"x\"", "line 2: unreadable calories \"y\"",
          "line 4: no tab, the line is not read"}},
        {"1700000000\n1451948400\tA\tB\t\xE9t\xE9\tC\t200.0\t80.0\t1\t\n", {"line 2: unreadable duration \"\xC3\xA9t\xC3\xA9\""}},
    };
    for (const auto& [content, expected] : cases) {
        std::vector<std::string> got;
        for (const LineProblem& p : CheckDatabaseContent(content)) got.push_back(DescribeLineProblem(p));
        EXPECT_EQ(got, expected) << content;
    }
}

class CliRunTest : public ::testing::Test {
protected:
    CliRunTest() {
        std::filesystem::create_directories(folder);
        env.documents = (dir / "Documents").string();
        env.settingsFile = dir / "config" / "Kinetrax.reg";
        env.lockOwner = "kinetrax-cli 42";
        env.clock = &clock;
    }

    // Two records: Tuesday 5 and Thursday 7 January 2016, 80 kg.
    void WriteJournal() {
        CKT2Doc doc;
        doc.m_strDataFolder = folder.string();
        doc.SetRecords({
            {LocalMidnight(2016, 1, 5), "Golf, general", "Driving range", 30.0, "Club", 200.0, 80.0, 1, ""},
            {LocalMidnight(2016, 1, 7), "Swimming butterfly", "Lengths, easy", 60.0, "Pool", 300.0, 80.0, 1, "felt good"},
        });
        test::RecordingPrompter prompter;
        ASSERT_TRUE(doc.SaveDatabase(prompter, clock));
    }

    CKT2Doc Load() const {
        CKT2Doc doc;
        doc.m_strDataFolder = folder.string();
        doc.LoadDatabase();
        return doc;
    }

    int Run(std::vector<std::string> words) {
        out.str("");
        err.str("");
        words.insert(words.begin(), {"--data-folder", folder.string()});
        return cli::Run(words, env, out, err);
    }

    TempDir dir;
    std::filesystem::path folder = dir / "Documents" / "Quorvane" / "KT";
    test::FixedClock clock{LocalMidnight(2016, 1, 8) + 10 * 3600};  // a Friday
    cli::Environment env;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliRunTest, SummaryPrintsTheAveragesAndTheDatabaseSentence) {
    WriteJournal();
    ASSERT_EQ(Run({"summary", "--period", "9"}), cli::kExitOk) << err.str();
    EXPECT_EQ(out.str().substr(0, 56), "Averaging period: Per day of exercise\n\nAverage of: 45.00");
    EXPECT_NE(out.str().find("\n\nThere are 2 exercise events"), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "");

    // Without --period the stored averaging period counts; a first run has none, which is "This Week".
    ASSERT_EQ(Run({"summary"}), cli::kExitOk);
    EXPECT_EQ(out.str().substr(0, 30), "Averaging period: This Week\n\nA");

    // An empty folder has no data; a folder that is not there is an error.
    std::filesystem::remove(folder / "ExerciseData.edb");
    ASSERT_EQ(Run({"summary"}), cli::kExitOk);
    EXPECT_EQ(out.str(), "Averaging period: This Week\n\nNo Data\n");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(Run({"summary"}), cli::kExitFailed);
    EXPECT_EQ(err.str(), "kinetrax-cli: there is no data folder " + folder.string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder));  // reading never creates it
}

TEST_F(CliRunTest, ExportWritesTheDaysGivenWholeAndDefaultsToEveryRecord) {
    WriteJournal();
    const std::string header =
        "Date,Activity Type, Activity Description, Activity Duration, Activity Location, Calories Burned, Weight (kg), Comment\r\n";
    const std::string golf = "42374,Golf- general,Driving range,30.00,Club,200.0,80.0,1,\r\n";
    const std::string swim = "42376,Swimming butterfly,Lengths  easy,60.00,Pool,300.0,80.0,1,felt good\r\n";
    const std::tuple<std::vector<std::string>, std::string, int> cases[] = {
        // {range, file, records}
        {{}, header + golf + swim, 2},
        {{"--from", "2016-01-05", "--to", "2016-01-05"}, header + golf, 1},
        {{"--from", "2016-01-06"}, header + swim, 1},
        {{"--to", "2016-01-06"}, header + golf, 1},
        {{"--from", "2016-01-08", "--to", "2016-12-31"}, header, 0}};
    const std::filesystem::path file = dir / "out.csv";
    for (const auto& [range, expected, records] : cases) {
        std::vector<std::string> words = {"export-csv", file.string()};
        words.insert(words.end(), range.begin(), range.end());
        ASSERT_EQ(Run(words), cli::kExitOk) << err.str();
        EXPECT_EQ(ReadAll(file), expected) << words[2];
        EXPECT_EQ(out.str(), Format("Wrote %d records to ", records) + file.string() + "\n");
    }
    ASSERT_EQ(Run({"export-csv", "-", "--from", "2016-01-07"}), cli::kExitOk);
    EXPECT_EQ(out.str(), header + swim);
    EXPECT_EQ(Run({"export-csv", (dir / "no" / "such" / "x.csv").string()}), cli::kExitFailed);
    EXPECT_NE(err.str().find("could not be created"), std::string::npos) << err.str();
}

TEST_F(CliRunTest, ImportAddsNewRowsSkipsKnownOnesAndFailsOnUnreadableOnes) {
    WriteJournal();
    const std::filesystem::path csv = dir / "in.csv";
    WriteAll(csv,
             "Date,Activity Type\r\n"
             "42374,Golf- general,Driving range,30.00,Club,200.0,80.0,1,\r\n"  // held already (the export turned "," into "-")
             "42374,Golf, general,Driving range,30.00,Club,200.0,80.0,1,\r\n"  // ten fields: refused
             "42375,Swimming butterfly,Drills,40,Pool,,80.0,1,\r\n");          // calories by the formula
    ASSERT_EQ(Run({"import-csv", csv.string()}), cli::kExitFailed) << err.str();
    EXPECT_NE(out.str().find("Records added to the exercise database: 2\nRows skipped because the database already holds them: 0\n"
                             "Rows refused because they could not be read: 1"),
              std::string::npos)
        << out.str();
    CKT2Doc doc = Load();
    ASSERT_EQ(doc.Records().size(), 4u);
    EXPECT_EQ(doc.Records()[2].m_strDescription, "Drills");
    EXPECT_NEAR(doc.Records()[2].m_dCalories, 10.9865 * 80.0 * 40.0 / 60.0, 0.05);

    // The same file again adds nothing and leaves the file alone.
    const std::string before = ReadAll(folder / "ExerciseData.edb");
    WriteAll(csv, "42375,Swimming butterfly,Drills,40,Pool,,80.0,1,\r\n");
    ASSERT_EQ(Run({"import-csv", csv.string()}), cli::kExitOk);
    EXPECT_NE(out.str().find("Records added to the exercise database: 0\nRows skipped because the database already holds them: 1"),
              std::string::npos);
    EXPECT_EQ(ReadAll(folder / "ExerciseData.edb"), before);

    EXPECT_EQ(Run({"import-csv", (dir / "missing.csv").string()}), cli::kExitFailed);
    EXPECT_NE(err.str().find("could not be read"), std::string::npos);
}

TEST_F(CliRunTest, AddCapturesOneRowByTheGridRules) {
    WriteJournal();
    const std::string formula = "(Calories determined through formula calculation)";
    const double golf = 4.4988 * 80 / 60, swim = 10.9865 * 80 / 60;  // calories a minute at 80 kg
    const struct {
        const char* activity;
        std::vector<std::string> words;
        int status;
        double minutes, calories;  // of the stored record, when added
        std::string text;          // its notes; the start of the error output when the status is not 0
    } cases[] = {
        // Below MaxHours (7 on a first run) a number is hours, from it on minutes.
        {"Golf, general", {"--duration", "1.5", "--description", "Nine holes", "--calories", "500"}, 0, 90, 500, ""},
        {"Golf, general", {"--duration", "7", "--description", "Putting"}, 0, 7, golf * 7, formula},
        {"Golf, general", {"--duration", "1:15:30", "--description", "Long", "--notes", "windy"}, 0, 75.5, golf * 75.5, "windy " + formula},
        // The same day, activity, description, location and duration (to a tenth) is a duplicate.
        {"Golf, general",
         {"--duration", "90.04", "--description", "Nine holes", "--calories", "1"},
         1,
         0,
         0,
         "kinetrax-cli: the journal already holds this record; nothing was added"},
        {"Rowing", {"--duration", "20"}, 2, 0, 0, "kinetrax-cli: add needs --description: the journal holds no record of \"Rowing\""},
        // Without a description the newest record of the activity gives description and location.
        {"Swimming butterfly", {"--duration", "20", "--date", "2016-01-06"}, 0, 20, swim * 20, formula},
    };
    size_t records = 2;
    for (const auto& c : cases) {
        std::vector<std::string> words = {"add", "--activity", c.activity};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const int status = Run(words);
        ASSERT_EQ(status, c.status) << c.activity << " " << c.words[1] << ": " << err.str();
        const CKT2Doc doc = Load();
        if (status != 0) {
            EXPECT_EQ(err.str().substr(0, c.text.size()), c.text);
            EXPECT_EQ(doc.Records().size(), records);
            continue;
        }
        EXPECT_EQ(out.str().substr(0, 9), "Added to ");
        ASSERT_EQ(doc.Records().size(), ++records);
        // The capture keeps the array in date order; the record of this run is the one not seen before.
        const auto added = std::find_if(doc.Records().begin(), doc.Records().end(),
                                        [&](const CEventRecord& r) { return std::abs(r.m_dDuration - c.minutes) < 0.001; });
        ASSERT_NE(added, doc.Records().end()) << c.minutes;
        EXPECT_NEAR(added->m_dCalories, c.calories, 0.05);
        EXPECT_EQ(added->m_strNotes, c.text);
        EXPECT_EQ(added->m_time, c.words.size() > 2 && c.words[2] == "--date" ? LocalMidnight(2016, 1, 6) : LocalMidnight(2016, 1, 8));
    }
    // The filled-in description and location came from the newest swimming record.
    const CKT2Doc doc = Load();
    const auto sixth = std::find_if(doc.Records().begin(), doc.Records().end(),
                                    [](const CEventRecord& r) { return r.m_time == LocalMidnight(2016, 1, 6); });
    ASSERT_NE(sixth, doc.Records().end());
    EXPECT_EQ(sixth->m_strDescription.str() + "|" + sixth->m_strLocation.str(), "Lengths, easy|Pool");
    EXPECT_EQ(out.str(), "Added to " + (folder / "ExerciseData.edb").string() +
                             ": 2016-01-06 Swimming butterfly: Lengths, easy (Pool) - 20.00 minutes, 293.0 calories\n");
}

TEST_F(CliRunTest, AddOfAnUnselectedActivityIsNamed) {
    WriteJournal();
    ASSERT_EQ(Run({"add", "--activity", "Rowing", "--description", "Erg", "--duration", "30", "--date", "2016-01-09"}), cli::kExitOk);
    EXPECT_EQ(err.str(), "kinetrax-cli: note: \"Rowing\" is not among the selected activities, so the formula gives it 0 calories\n");
    EXPECT_EQ(Load().Records()[2].m_dCalories, 0.0);
}

TEST_F(CliRunTest, WritingCommandsRefuseWhileTheProgramHoldsTheJournal) {
    WriteJournal();
    const std::string before = ReadAll(folder / "ExerciseData.edb");
    WriteAll(dir / "in.csv", "42375,Golf- general,Drills,40,Club,,80.0,1,\r\n");
    FolderLock program;
    ASSERT_EQ(program.Acquire(folder, "kinetrax 999"), FolderLock::Result::Acquired);
    const std::string refusal =
        "kinetrax-cli: the journal in " + folder.string() + " is open in another program (kinetrax 999); close it and try again\n";
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"add", "--activity", "Golf, general", "--description", "x", "--duration", "30"},
          std::vector<std::string>{"import-csv", (dir / "in.csv").string()}}) {
        EXPECT_EQ(Run(words), cli::kExitFailed);
        EXPECT_EQ(err.str(), refusal);
    }
    EXPECT_EQ(ReadAll(folder / "ExerciseData.edb"), before);
    // Reading goes on beside the program.
    EXPECT_TRUE(Run({"summary"}) == cli::kExitOk && Run({"check"}) == cli::kExitOk);

    // Once the program has ended, the lock is free and the command leaves it free again.
    program.Release();
    EXPECT_EQ(Run({"add", "--activity", "Golf, general", "--description", "x", "--duration", "30"}), cli::kExitOk) << err.str();
    ASSERT_EQ(program.Acquire(folder, "kinetrax 999"), FolderLock::Result::Acquired);
}

TEST_F(CliRunTest, CheckReportsEveryDatabaseFileAndFailsOnAnyProblem) {
    WriteJournal();
    ASSERT_EQ(Run({"check"}), cli::kExitOk);
    EXPECT_EQ(out.str(), "ExerciseData.edb: 3 lines, clean\n");

    WriteAll(folder / "ExerciseData_Ending_12-31-15.edb", "1\n1420066800\tA\tB\t4x5\tC\t1.0\t2.0\t1\t\n1420066800\tA\n");
    WriteAll(folder / "ExerciseData_backup_01-01-16.edb", "1\n1420066800\tA\tB\t45\tC\t1.0\t2.0\t7\t\n");
    WriteAll(folder / "ExerciseRecord2.txt", "1\n");
    WriteAll(folder / "notes.txt", "no\ttabs\there\n");
    ASSERT_EQ(Run({"check"}), cli::kExitFailed);
    EXPECT_EQ(out.str(),
              "ExerciseData.edb: 3 lines, clean\n"
              "ExerciseData_Ending_12-31-15.edb: 3 lines, 2 with problems\n"
              "  line 2: unreadable duration \"4x5\"\n"
              "  line 3: short line: 2 of 9 fields\n"
              "ExerciseData_backup_01-01-16.edb: 2 lines, 1 with problems\n"
              "  line 2: unknown unit flag: \"7\"\n"
              "ExerciseRecord2.txt: 1 lines, clean\n");

    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ASSERT_EQ(Run({"check"}), cli::kExitOk);
    EXPECT_EQ(out.str(), "No database files in " + folder.string() + "\n");
}

TEST_F(CliRunTest, BadArgumentsGiveStatusTwoAndTheDefaultFolderIsInDocuments) {
    const std::tuple<std::vector<std::string>, int, std::string, const char*> cases[] = {
        // {words, status, output start, errors}
        {{"frobnicate"}, 2, "", "kinetrax-cli: unknown command \"frobnicate\" (see kinetrax-cli --help)\n"},
        {{"add", "--activity", "Golf"}, 2, "", "kinetrax-cli: add needs --duration (see kinetrax-cli add --help)\n"},
        {{"check", "--help"}, 0, "Usage: kinetrax-cli check\n", ""},
    };
    for (const auto& [words, status, output, errors] : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(cli::Run(words, env, out, err), status);
        EXPECT_EQ(out.str().substr(0, output.size()) + "|" + err.str(), output + "|" + errors);
    }
    // Without --data-folder the journal is Quorvane/KT in the Documents folder.
    WriteJournal();
    out.str("");
    EXPECT_EQ(cli::Run({"check"}, env, out, err), cli::kExitOk);
    EXPECT_EQ(out.str(), "ExerciseData.edb: 3 lines, clean\n");
    env.documents.reset();
    err.str("");
    EXPECT_EQ(cli::Run({"check"}, env, out, err), cli::kExitFailed);
    EXPECT_EQ(err.str(), "kinetrax-cli: the Documents folder is unknown ($HOME is not set); give --data-folder\n");
}

}  // namespace
}  // namespace kt
