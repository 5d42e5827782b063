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
inline constexpr char kCsvKilograms[] = "kg";
inline constexpr char kCsvPounds[] = "lbs";
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

}  // namespace kt::journal
