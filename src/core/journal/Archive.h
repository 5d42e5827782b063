#pragma once
// Rules of trimming and archiving that need no document: the names of the backup and archive
// files, which files of the data folder are database files, the cut date of each choice of the
// trim dialog, when the yearly automatic archive is due, and the texts of the two archive dialogs
// with their emphasis. The document operations that move records live in CKT2Doc.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/LocalTime.h"
#include "core/base/StyledText.h"

namespace kt {

// "ExerciseData_backup_<now as %m-%d-%y>.edb": the copy of the active file made before a trim.
std::string BackupFileName(Time64 now);
// "ExerciseData_Ending_<cut - 1 day as %m-%d-%y>.edb": the file that holds the records before `cut`.
std::string ArchiveFileName(Time64 cut);

// "ExerciseData*.edb", case-sensitive, as a plain file name (no folder).
bool IsDatabaseFileName(std::string_view name);
bool IsBackupFileName(std::string_view name);   // holds "backup": never read as data
bool IsArchiveFileName(std::string_view name);  // holds "Ending"

// The database files of `folder` that hold data (backups left out): archives sorted by name,
// then the active file when it exists. The active file comes last so that whatever a read takes
// from "the last line" (the unit, the last weight) comes from it. Regular files only; a missing
// or unreadable folder gives no names.
std::vector<std::string> ListDatabaseFiles(const std::filesystem::path& folder);
// The archive files of `folder` ("Ending" in the name, backups left out), sorted by name.
std::vector<std::string> ListArchiveFiles(const std::filesystem::path& folder);

// The choices of the trim dialog, by control number.
enum ArchiveChoice : int {
    kCutWeekStart = 1070,   // the most recent Sunday, today on a Sunday
    kCutWeekAgo = 1071,     // 7 days before today
    kCutMonthStart = 1072,  // the first of this month
    kCutMonthAgo = 1073,    // 30 days before today
    kCutYearStart = 1074,   // January 1 of this year (the dialog's default)
    kCutYearAgo = 1075,     // 366 days in a leap year, else 365
    kCutChosenDay = 1076,   // the day picked in the calendar
};
// The cut of a choice 1070..1075 for `today` (a local midnight): always a local midnight, days
// counted on the calendar. nullopt for 1076 and unknown choices: the calendar decides then, and
// until it does the previous cut stays.
std::optional<Time64> CutDateForChoice(int choice, Time64 today);

// The month and day of the "AutoArchive" setting, read as "%d %d" (an unreadable number and every
// number after it count as 0).
struct MonthDay {
    int month = 0;
    int day = 0;
};
MonthDay ReadMonthDay(std::string_view setting);

// The cut of the yearly automatic archive when it is due at `now`, else nullopt: month 1..12 and
// day 1..31 (else never); the cut is the local midnight of that day this year (a day past the end
// of its month rolls over, February 30 is March 1 or 2); due from 31 days (2678400 seconds) after
// the cut, and only while `folder` holds no archive file of that cut yet.
std::optional<Time64> AutoArchiveCut(int month, int day, Time64 now, const std::filesystem::path& folder);

// The setting a confirmed recombine leaves: unchanged with the box ticked, "0 0" (off) unticked.
std::string AutoArchiveAfterRecombine(const std::string& setting, bool boxTicked);

// Texts of the trim dialog: the information pane for `cut` (blue Arial; the "Clicking ... prior to"
// words bold italic green, the date bold italic red) and the question asked on OK.
StyledText ArchiveInfoText(Time64 cut);
std::string ArchiveConfirmQuestion(Time64 cut);

// The report after an automatic archive at `cut`, naming the other archive files of
// `archiveNames` (the archive files of the folder, the new one among them).
StyledText AutoArchiveReport(Time64 cut, const std::vector<std::string>& archiveNames);
// The question before a recombine.
StyledText RecombineQuestion();
// The check box of the recombine question: names the yearly archive day of `setting` (in the
// year of `now`) when it is on, else the box's own caption.
std::string RecombineCheckCaption(const std::string& setting, Time64 now);
// The check box during the report's countdown: the seconds part of `remaining`, two digits.
std::string CountdownCaption(Time64 remaining);

}  // namespace kt
