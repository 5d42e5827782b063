#include "core/cli/Cli.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "core/activities/ActivityList.h"
#include "core/activities/ActivityTable.h"
#include "core/app/DataFolder.h"
#include "core/base/AtomicFile.h"
#include "core/base/Clock.h"
#include "core/base/FolderLock.h"
#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"
#include "core/cli/Arguments.h"
#include "core/cli/Texts.h"
#include "core/entry/CellEdit.h"
#include "core/entry/Duration.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/entry/GridCapture.h"
#include "core/journal/Archive.h"
#include "core/journal/CsvExport.h"
#include "core/journal/CsvImport.h"
#include "core/journal/DatabaseCheck.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "core/stats/Averages.h"
#include "core/stats/Summaries.h"
#include "core/update/FileVersionInfo.h"

namespace kt::cli {
namespace {

namespace fs = std::filesystem;

// The rules speak through a Prompter; here every message goes to the error stream, and every
// question is answered with its safe answer: nobody is there to say Yes.
class StreamPrompter final : public Prompter {
public:
    explicit StreamPrompter(std::ostream& err) : m_err(err) {}
    void Message(const std::string& text) override { m_err << text::kProgram << ": " << text << '\n'; }
    bool AskYesNo(const std::string& text) override { return Refuse(text), false; }
    bool AskYesNoDefaultNo(const std::string& text) override { return Refuse(text), false; }
    Answer AskYesNoCancel(const std::string& text) override { return Refuse(text), Answer::Cancel; }

private:
    void Refuse(const std::string& text) { m_err << text::kProgram << ": " << text << "\n(answered No: nothing was changed)\n"; }
    std::ostream& m_err;
};

// What the window holds after its start-up, without the yearly archive: the command line never
// moves records into an archive behind the user's back.
struct Journal {
    Settings settings;
    ActivityTable table;
    CKT2Doc doc;
};

// The activity list as the program reads it, but never created here: a missing file means the
// built-in table, exactly as the program would write it on its next start.
void ReadActivityList(ActivityTable& table, const fs::path& folder) {
    std::vector<std::string> lines;
    if (ReadTextFile(DataFilePath(folder, kActivityListFileName), lines)) ParseActivityListLines(table, lines);
}

bool LoadJournal(Journal& j, const fs::path& folder, const Environment& env, Prompter& prompter) {
    FileSettingsStore store(env.settingsFile);
    j.doc.m_strDataFolder = folder.string();
    LoadSettings(store, folder, j.settings, j.doc);
    ReadActivityList(j.table, folder);
    j.doc.LoadDatabase(&prompter);
    return j.doc.UnreadableFile().empty();
}

std::string HelpText(Command command) {
    switch (command) {
        case Command::Summary: {
            std::string periods;
            const std::vector<std::string> captions = AveragingPeriodCaptions();
            for (size_t i = 0; i < captions.size(); ++i)
                periods += Format("                %d  %s\n", static_cast<int>(i), captions[i].c_str());
            return Format(text::kSummaryHelp, periods.c_str());
        }
        case Command::ExportCsv:
            return text::kExportHelp;
        case Command::ImportCsv:
            return text::kImportHelp;
        case Command::Add:
            return text::kAddHelp;
        case Command::Check:
            return text::kCheckHelp;
        case Command::None:
            break;
    }
    return text::kOverview;
}

Time64 DayStart(const CalendarDay& day) { return LocalMidnight(day.year, day.month, day.day); }

class Session {
public:
    Session(const Arguments& args, const Environment& env, std::ostream& out, std::ostream& err)
        : m_args(args), m_env(env), m_out(out), m_err(err), m_prompter(err) {}

    int Execute() {
        if (m_args.dataFolder) {
            m_folder = *m_args.dataFolder;
        } else if (m_env.documents && !m_env.documents->empty()) {
            m_folder = DataFolderPath(*m_env.documents);
        } else {
            m_err << text::kNoDataFolder << '\n';
            return kExitFailed;
        }
        switch (m_args.command) {
            case Command::Summary:
                return Summary();
            case Command::ExportCsv:
                return ExportCsvFile();
            case Command::ImportCsv:
                return ImportCsvFile();
            case Command::Add:
                return Add();
            case Command::Check:
                return Check();
            case Command::None:
                break;
        }
        return kExitUsage;
    }

private:
    const Clock& TheClock() const { return m_env.clock ? *m_env.clock : DefaultClock(); }

    bool FolderExists() {
        std::error_code ec;
        if (fs::is_directory(m_folder, ec)) return true;
        m_err << Format(text::kMissingFolderFormat, m_folder.c_str()) << '\n';
        return false;
    }

    // Reading commands work on whatever is there; a missing folder is a mistake worth saying.
    bool LoadForReading() { return FolderExists() && LoadJournal(m_journal, m_folder, m_env, m_prompter); }

    // Writing commands own the folder while they work, as the window does while it runs, so the
    // two never save over each other. The folder is created as the program would create it.
    bool LoadForWriting() {
        FileError error;
        if (!CreateFolder(m_folder, &error)) {
            m_err << Format(text::kFolderFailedFormat, m_folder.c_str(), error.message.c_str()) << '\n';
            return false;
        }
        switch (m_lock.Acquire(m_folder, m_env.lockOwner)) {
            case FolderLock::Result::Acquired:
                break;
            case FolderLock::Result::HeldByOther:
                m_err << Format(text::kLockedFormat, m_folder.c_str(), m_lock.Owner().empty() ? "unknown" : m_lock.Owner().c_str()) << '\n';
                return false;
            case FolderLock::Result::Failed:
                m_err << Format(text::kLockFailedFormat, m_folder.c_str(), std::strerror(m_lock.Error())) << '\n';
                return false;
        }
        RemoveStaleTempFiles(m_folder);
        return LoadJournal(m_journal, m_folder, m_env, m_prompter);
    }

    int Summary() {
        if (!LoadForReading()) return kExitFailed;
        const int period = m_args.period.value_or(AveragingPeriodFromSelection(m_journal.settings.m_nAveragingPeriod));
        const auto& selected = m_journal.settings.m_arSelectedActivities;
        const AverageResult d = DurationAverage(m_journal.doc, period);
        const AverageResult c = CalorieAverage(m_journal.doc, m_journal.table, selected, period);
        const AveragesSummaryText summary = AveragesSummary(m_journal.doc, m_journal.table, selected, d, c);
        m_out << Format(text::kPeriodFormat, AveragingPeriodCaptions()[static_cast<size_t>(period)].c_str()) << summary.pane.text << '\n';
        return kExitOk;
    }

    int ExportCsvFile() {
        if (!LoadForReading()) return kExitFailed;
        const CKT2Doc& doc = m_journal.doc;
        Time64 from = 0;
        Time64 to = 0;
        if (!doc.Records().empty()) {
            const auto [first, last] =
                std::minmax_element(doc.Records().begin(), doc.Records().end(),
                                    [](const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; });
            from = first->m_time;
            to = last->m_time;
        }
        if (m_args.from) from = DayStart(*m_args.from);
        // The last day counts whole, whatever time of day its records carry.
        if (m_args.to) to = LocalMidnight(m_args.to->year, m_args.to->month, m_args.to->day + 1) - 1;
        const std::vector<std::string> lines = CsvLines(doc, from, to);
        const int records = static_cast<int>(lines.size()) - 1;
        if (m_args.file == "-") {
            m_out << EncodeText(lines);
            return kExitOk;
        }
        if (!ExportCsv(doc, m_args.file, from, to, m_prompter)) return kExitFailed;
        m_out << Format(text::kExportedFormat, records, m_args.file.c_str());
        return kExitOk;
    }

    int ImportCsvFile() {
        if (!LoadForWriting()) return kExitFailed;
        CKT2Doc& doc = m_journal.doc;
        CsvImport import;
        FileError error;
        if (!ReadCsvImport(m_args.file, doc, m_journal.table, m_journal.settings.m_arSelectedActivities, import, &error)) {
            m_prompter.Message(CsvReadFailedMessage(m_args.file, error));
            return kExitFailed;
        }
        const std::string report = CsvImportReport(import, m_args.file);
        const bool refused = !import.refusedLines.empty();
        const bool added = !import.records.empty();
        AddImportedRecords(doc, std::move(import));
        if (added && !doc.SaveDatabase(m_prompter, TheClock())) return kExitFailed;
        m_out << report << '\n';
        return refused ? kExitFailed : kExitOk;
    }

    int Add() {
        if (!LoadForWriting()) return kExitFailed;
        CKT2Doc& doc = m_journal.doc;
        Settings& settings = m_journal.settings;
        EntryState state = MakeEntryState(TheClock().Now(), settings);
        if (m_args.date) state.entryDate = DayStart(*m_args.date);

        const std::string type = Trim(m_args.activity);
        std::string description = m_args.description.value_or("");
        std::string location = m_args.location.value_or("");
        if (!m_args.description) {
            // As "AutoFill" does in the grid: the newest record of the activity says what it usually is.
            const LastEntry last = FindLastEntryForActivity(doc, state, type);
            if (last.description.empty()) {
                m_err << Format(text::kDescriptionNeededFormat, type.c_str()) << '\n';
                return kExitUsage;
            }
            description = last.description;
            if (!m_args.location) location = last.location;
        }

        EntryGrid grid;
        grid.SetText(kFirstEntryRow, kColType, type);
        grid.SetText(kFirstEntryRow, kColDescription, description);
        grid.SetText(kFirstEntryRow, kColDuration, m_args.duration);
        grid.SetText(kFirstEntryRow, kColLocation, location);
        grid.SetText(kFirstEntryRow, kColCalories, m_args.calories.value_or(""));
        grid.SetText(kFirstEntryRow, kColNotes, m_args.notes.value_or(""));
        const size_t descriptions = settings.m_arDescriptions.size();
        const size_t locations = settings.m_arLocations.size();
        CaptureContext context(doc, settings, m_journal.table, m_prompter);
        const CaptureResult result = ReadDataGrid(grid, state, context);
        if (!result.completed) return kExitFailed;
        if (result.recordsAdded == 0) {
            m_err << text::kDuplicate << '\n';
            return kExitFailed;
        }
        if (!doc.SaveDatabase(m_prompter, TheClock())) return kExitFailed;
        if (!m_args.calories && !IsSelectedActivity(type)) m_err << Format(text::kNotSelectedFormat, type.c_str()) << '\n';
        // The option lists grew as a capture grows them; the window would store them at exit.
        if (settings.m_arDescriptions.size() != descriptions || settings.m_arLocations.size() != locations)
            SaveUserData(m_folder, settings);

        // The capture sorted the array: find the new record again to show what was stored.
        const double minutes = ParseDuration(Trim(m_args.duration), settings.m_dMaxHours).minutes;
        const int at =
            doc.FindRecord(state.entryDate, type, Trim(SanitizeFieldText(description)), minutes, Trim(SanitizeFieldText(location)));
        if (at >= 0) {
            const CEventRecord& r = doc.Records()[static_cast<size_t>(at)];
            m_out << Format(text::kAddedFormat, doc.DatabasePath().c_str(), FormatTime(r.m_time, "%Y-%m-%d").c_str(), r.m_strType.c_str(),
                            r.m_strDescription.c_str(), r.m_strLocation.c_str(), r.m_dDuration, r.m_dCalories);
        }
        return kExitOk;
    }

    bool IsSelectedActivity(const std::string& type) const {
        for (uint16_t position : m_journal.settings.m_arSelectedActivities) {
            const Activity* activity = m_journal.table.Find(position);
            if (activity && activity->name == type) return true;
        }
        return false;
    }

    int Check() {
        if (!FolderExists()) return kExitFailed;
        std::vector<std::string> names;
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(ec) && (IsDatabaseFileName(name) || name == journal::kOlderDatabaseFileName)) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        if (names.empty()) {
            m_out << Format(text::kNoDatabaseFilesFormat, m_folder.c_str());
            return kExitOk;
        }
        bool problems = false;
        for (const std::string& name : names) {
            std::string content;
            FileError error;
            if (!ReadFileBytes(m_folder / name, content, &error)) {
                m_out << Format(text::kCheckUnreadableFormat, name.c_str(), error.message.c_str());
                problems = true;
                continue;
            }
            const std::vector<LineProblem> found = CheckDatabaseContent(content);
            const long long lines = static_cast<long long>(SplitLines(SkipByteOrderMark(content)).size());
            const std::string verdict = found.empty() ? "clean" : Format("%d with problems", static_cast<int>(found.size()));
            m_out << Format(text::kCheckFileFormat, name.c_str(), lines, verdict.c_str());
            for (const LineProblem& p : found) m_out << "  " << DescribeLineProblem(p) << '\n';
            problems = problems || !found.empty();
        }
        return problems ? kExitFailed : kExitOk;
    }

    const Arguments& m_args;
    const Environment& m_env;
    std::ostream& m_out;
    std::ostream& m_err;
    StreamPrompter m_prompter;
    fs::path m_folder;
    FolderLock m_lock;
    Journal m_journal;
};

}  // namespace

int Run(const std::vector<std::string>& words, const Environment& env, std::ostream& out, std::ostream& err) {
    const ParseResult parsed = ParseArguments(words);
    const Arguments& args = parsed.args;
    if (!parsed.error.empty()) {
        const std::string command = args.command == Command::None ? "" : std::string(CommandName(args.command)) + " ";
        err << Format(text::kBadArgumentsFormat, parsed.error.c_str(), command.c_str()) << '\n';
        return kExitUsage;
    }
    if (args.version) {
        out << text::kProgram << ' ' << CFileVersionInfo::Own().Get("ProductVersion") << '\n';
        return kExitOk;
    }
    if (args.help) {
        out << HelpText(args.command);
        return kExitOk;
    }
    Session session(args, env, out, err);
    return session.Execute();
}

}  // namespace kt::cli
