#pragma once
// The journal's own texts and file formats, kept in one place so that no text is typed twice.

namespace kt::journal {

inline constexpr char kDatabaseFileName[] = "ExerciseData.edb";
inline constexpr char kOlderDatabaseFileName[] = "ExerciseRecord2.txt";

// Header line: the time of the save. Record line: time, type, description, duration (minutes),
// location, calories (kcal), weight, metric flag, notes.
inline constexpr char kHeaderFormat[] = "%llu";
inline constexpr char kRecordFormat[] = "%llu\t%s\t%s\t%2.2f\t%s\t%3.1f\t%2.1f\t%d\t%s";

// Window title; %s is the first record's day formatted with kTitleDateFormat.
inline constexpr char kTitleFormat[] = "Kinetrax 2: Records starting %s";
inline constexpr char kTitleDateFormat[] = "%B %d, %Y";

inline constexpr char kUnsavedOnClose[] =
    "New activities have been added to the exercise database, but not saved. Do you wish save the database now before you exit (Y), or "
    "exit without saving (N).";

// After a save; %zu: the records written, %s: the file.
inline constexpr char kSavedOneFormat[] = "Saved 1 record to %s";
inline constexpr char kSavedFormat[] = "Saved %zu records to %s";

// %s: the file's path, %x: the system error number, %s: the system's text for it.
inline constexpr char kUnreadableFormat[] =
    "The exercise database %s exists but could not be read.\n\nError Code: %x\n\nError Message is: %s\n\nKinetrax starts with an "
    "empty database. The file is left as it is; saving asks before it would be replaced.";
// %s: the file's path, %d: the number of records in memory.
inline constexpr char kReplaceUnreadableFormat[] =
    "The exercise database %s could not be read when Kinetrax started, so its records are not shown. Saving now replaces that file "
    "with the %d records in memory, and the records in the file are lost.\n\nDo you want to replace it? (Y/N)";

inline constexpr char kSaveFailedFormat[] = "The exercise database %s could not be saved.\n\nError Code: %x\n\nError Message is: %s";

// CSV export: the header (%s: "kg" or "lbs") and one row per record: OLE day number, type,
// description, duration (minutes), location, calories (kcal), weight, metric flag, notes.
inline constexpr char kCsvHeaderFormat[] =
    "Date,Activity Type, Activity Description, Activity Duration, Activity Location, Calories Burned, Weight (%s), Comment";
inline constexpr char kCsvRowFormat[] = "%lld,%s,%s,%2.2f,%s,%3.1f,%2.1f,%d,%s";
// The first field of the header line; a file whose first line starts with it has a header.
inline constexpr char kCsvDateHeading[] = "Date";
// The save and open dialogs' default extension, initial name and filter (Qt's filter form).
inline constexpr char kCsvExtension[] = "csv";
inline constexpr char kCsvInitialName[] = "*.csv";
inline constexpr char kCsvFilter[] = "Comma Separated Values (CSV) files (*.csv);;All Files (*.*)";

// %s: the file's path, %x: the system error number, %s: the system's text for it.
inline constexpr char kCsvCreateFailedFormat[] = "The file %s could not be created.\n\nError Code: %x\n\nError Message is: %s";
inline constexpr char kCsvReadFailedFormat[] =
    "The file %s could not be read.\n\nError Code: %x\n\nError Message is: %s\n\nNothing was imported.";
// %s: the file's path; then the records added, the rows skipped as duplicates, the rows refused.
inline constexpr char kCsvImportReportFormat[] =
    "%s has been read.\n\nRecords added to the exercise database: %d\nRows skipped because the database already holds them: %d\nRows "
    "refused because they could not be read: %d";
// Follows the report when rows were refused; %s: their line numbers.
inline constexpr char kCsvRefusedLinesFormat[] =
    "\n\nRefused lines: %s\n\nA row needs a day number, an activity type and a duration in minutes; calories, weight and unit "
    "must be numbers or empty.";
// The refused lines beyond the first kCsvRefusedLinesShown; %s: the lines shown, %d: how many more.
inline constexpr int kCsvRefusedLinesShown = 20;
inline constexpr char kCsvMoreLinesFormat[] = "%s and %d more";

// Backups and archives. File names: the active file, "<prefix>*.edb", are the database files; a
// name holding kBackupMark is never read as data, one holding kArchiveMark is an archive.
inline constexpr char kDatabasePrefix[] = "ExerciseData";
inline constexpr char kDatabaseExtension[] = ".edb";
inline constexpr char kBackupMark[] = "backup";
inline constexpr char kArchiveMark[] = "Ending";
// %s: the day formatted with kFileDateFormat (the day of the trim; the last day an archive covers).
inline constexpr char kBackupNameFormat[] = "ExerciseData_backup_%s.edb";
inline constexpr char kArchiveNameFormat[] = "ExerciseData_Ending_%s.edb";
inline constexpr char kFileDateFormat[] = "%m-%d-%y";
inline constexpr char kLongDateFormat[] = "%B %d, %Y";

// %s: the active file's path.
inline constexpr char kBackupSourceMissingFormat[] =
    "Unable to copy the existing database because \n\n%s\n\ncould not be found. This may occur after upgrading to version 2.5 due to "
    "the change in the file naming convention used.";
inline constexpr char kBackupExists[] = "The backup of the database for today's date already exists";
// %x: the system error number, %s: the system's text for it.
inline constexpr char kBackupFailedFormat[] =
    "An error occurred (Error Code: %x) and the database could not be copied:\n\nError Message is: %s";
// %s: the archive file's path, %x and %s: the system error.
inline constexpr char kArchiveFailedFormat[] =
    "The archive file %s could not be written.\n\nError Code: %x\n\nError Message is: %s\n\nNothing was archived; the exercise "
    "database is unchanged.";
inline constexpr char kArchiveUnreadableFormat[] =
    "The archive file %s exists but could not be read.\n\nError Code: %x\n\nError Message is: %s\n\nNothing was archived; the "
    "exercise database is unchanged.";
inline constexpr char kOnlyOneDatabase[] = "The current exercise database is the only one available; there are no other databases to read.";
// %s: the file's path, %x and %s: the system error.
inline constexpr char kReadAllFailedFormat[] =
    "The exercise database %s could not be read.\n\nError Code: %x\n\nError Message is: %s\n\nThe records shown are left as they were.";
// %d: the number of files, %x: the error code, %s: the system's text for it.
inline constexpr char kTrashFailedFormat[] =
    "Could not delete all %d exercise database files.\n\nThe error code is: %x\n\nError Message is: %s";
// %s: the path of the file that holds every record.
inline constexpr char kRecombineRenameFailedFormat[] =
    "The combined exercise database could not be renamed and is kept in\n\n%s\n\nError Code: %x\n\nError Message is: %s";

// The trim dialog.
inline constexpr char kArchiveDlgTitle[] = "Trim and Archive Exercise Database";
inline constexpr char kArchiveDlgHeading[] = "Archive Exercise Records";
// %s: the cut date, kLongDateFormat.
inline constexpr char kArchiveInfoFormat[] =
    "Use this dialog to trim the exercise database to include only those records from the selected archive date to the present. "
    "Clicking OK now will archive all records prior to %s. Records prior to the selected date will be saved in a labelled database "
    "and the full record of exercise may be viewed by selecting the View All Exercise Data from the Database menu option.";
inline constexpr char kArchiveConfirmFormat[] =
    "You have chosen to archive all records prior to %s and operate with a current database that begins on this date. Do you wish to "
    "continue? (Y/N)";

// The report after an automatic archive and the question before a recombine.
// %s: the cut (kLongDateFormat), %s: the day before it (kFileDateFormat).
inline constexpr char kReportFormat[] =
    "The exercise database has been trimmed to include only those records occurring from %s to the present. Records prior to that "
    "date that were in the active exercise database have been archived in the file ExerciseData_Ending_%s.edb.";
inline constexpr char kReportOthersFormat[] = " There are also %d other previously archived exercise record sets:";
inline constexpr char kReportNameFormat[] = "\r\n%s";
inline constexpr char kReportRecombineHint[] =
    "\r\nAll exercise records may be recombined into a single database by selecting \"Recombine all exercise databases into one\"from "
    "the \"Database\" menu.";
inline constexpr char kRecombineQuestion[] =
    "You are about to recombine all archived exercise database files. All of those separate database files will be deleted (i.e. they "
    "will be moved to the recycle bin) and a new, single database file will be created.\n\nPlease note that all exercise databases in "
    "the folder must contain unique records. The process will not complete correctly if two or more database files contain one or more "
    "records of the same exercise event. All archived exercise database files must contain sequential records with no overlapping. "
    "\n\nDo you wish to proceed? (Yes/No)";
inline constexpr char kAutoArchiveCaption[] = "Automatically Trim the database and archive older records.";
// %s: the yearly archive day, "%B %d". "&&" shows as one "&" on a check box.
inline constexpr char kAutoArchiveOnFormat[] = "Automatically trim database && archive older records on %s.";
inline constexpr char kAutoArchiveDayFormat[] = "%B %d";
inline constexpr char kCountdownStart[] = "Window will close in 20 seconds.";
// %s: the seconds left, two digits.
inline constexpr char kCountdownFormat[] = "Window will close in %s seconds";
inline constexpr char kYes[] = "Yes";
inline constexpr char kNo[] = "No";
inline constexpr char kCloseEsc[] = "Close (Esc)";
inline constexpr char kAutoArchiveOff[] = "0 0";

// The recovery file beside the journal. %d: the number of changes.
inline constexpr char kRecoveryOfferFormat[] =
    "Kinetrax was not closed properly the last time: %d changes to the exercise database were not saved.\n\nDo you want them back? "
    "Yes applies them now (save to keep them). No starts with the saved database and keeps the changes aside in a file beside it. (Y/N)";
// %s: the name the file is kept under.
inline constexpr char kRecoveryStaleFormat[] =
    "A recovery file of an earlier run was found, but the exercise database was saved or replaced after it was written, so nothing "
    "was applied. The file is kept as %s.";
// %d: changes applied, %d: changes found, %s: the name the file is kept under.
inline constexpr char kRecoveryPartialFormat[] =
    "Only %d of the %d unsaved changes could be applied: the exercise database differs from the one they were made on. The "
    "recovery file is kept as %s.";
// %s: the file, %s: the system's text for the error.
inline constexpr char kRecoveryWriteFailedFormat[] =
    "Changes can no longer be written to the recovery file %s (%s). They are safe once the database is saved: please save now "
    "(Ctrl+S).";

}  // namespace kt::journal
