#pragma once
// The texts of kinetrax-cli: its help pages and messages, in one place.

namespace kt::cli::text {

inline constexpr char kProgram[] = "kinetrax-cli";

inline constexpr char kOverview[] =
    "Usage: kinetrax-cli [--data-folder DIR] COMMAND [OPTIONS]\n"
    "\n"
    "Reads and adds to the Kinetrax exercise journal without opening its window.\n"
    "\n"
    "Commands:\n"
    "  summary     the averages of a period and the sentence about the whole database\n"
    "  export-csv  write the records of a date range as a CSV file\n"
    "  import-csv  add the records of a CSV file\n"
    "  add         add one exercise record\n"
    "  check       report the lines of the database files that do not read cleanly\n"
    "\n"
    "Options of every command:\n"
    "  --data-folder DIR  the journal's folder (default: Quorvane/KT in the Documents folder)\n"
    "  --help             help of the command\n"
    "\n"
    "Exit status: 0 done, 1 failed (or check found problems), 2 bad arguments.\n"
    "The settings (MaxHours, selected activities, weight) are the ones the program uses.\n"
    "add and import-csv refuse to write while Kinetrax has the journal open.\n";

inline constexpr char kSummaryHelp[] =
    "Usage: kinetrax-cli summary [--period N]\n"
    "\n"
    "Prints the averages of minutes and calories per day over an averaging period and the\n"
    "sentence about the whole database, as the main window shows them.\n"
    "\n"
    "  --period N  the averaging period (default: the one chosen in Preferences):\n"
    "%s";

inline constexpr char kExportHelp[] =
    "Usage: kinetrax-cli export-csv [--from YYYY-MM-DD] [--to YYYY-MM-DD] FILE\n"
    "\n"
    "Writes the records from --from to --to (both days included; default: the first and the\n"
    "last record) to FILE as comma-separated values, in the layout of the program's\n"
    "\"Save As CSV file\". FILE - writes to standard output.\n";

inline constexpr char kImportHelp[] =
    "Usage: kinetrax-cli import-csv FILE\n"
    "\n"
    "Adds the rows of a CSV file in the export's layout to the journal, as the program's\n"
    "\"Import CSV file...\" does: rows the journal already holds are skipped, calories left\n"
    "empty are worked out by the formula. Exit status 1 when some rows could not be read\n"
    "(the others are added).\n";

inline constexpr char kAddHelp[] =
    "Usage: kinetrax-cli add --activity NAME --duration TIME [OPTIONS]\n"
    "\n"
    "Adds one exercise record by the rules of the data entry grid and saves the journal.\n"
    "\n"
    "  --activity NAME     the activity type, e.g. \"Running, general\"\n"
    "  --duration TIME     45 (minutes), 1.5 (hours), 1:30 (hours and minutes) or 1:15:30;\n"
    "                      a number below the MaxHours preference counts as hours\n"
    "  --description TEXT  default: the description of the newest record of the activity\n"
    "  --location TEXT     default: with the description, the location of that record\n"
    "  --calories KCAL     default: worked out from the activity's MET value and the weight\n"
    "  --notes TEXT\n"
    "  --date YYYY-MM-DD   default: today\n"
    "\n"
    "A record equal to one the journal holds (same day, activity, description, location\n"
    "and duration) is refused with exit status 1.\n";

inline constexpr char kCheckHelp[] =
    "Usage: kinetrax-cli check\n"
    "\n"
    "Reads every database file of the data folder and lists, per file, the lines that do not\n"
    "read cleanly: short lines, unreadable numbers, unknown unit flags. Exit status 1 when\n"
    "any line has a problem.\n";

inline constexpr char kBadArgumentsFormat[] = "kinetrax-cli: %s (see kinetrax-cli %s--help)";
inline constexpr char kNoDataFolder[] = "kinetrax-cli: the Documents folder is unknown ($HOME is not set); give --data-folder";
inline constexpr char kMissingFolderFormat[] = "kinetrax-cli: there is no data folder %s";
inline constexpr char kLockedFormat[] = "kinetrax-cli: the journal in %s is open in another program (%s); close it and try again";
inline constexpr char kLockFailedFormat[] = "kinetrax-cli: the journal in %s cannot be locked: %s";
inline constexpr char kFolderFailedFormat[] = "kinetrax-cli: the data folder %s cannot be created: %s";
inline constexpr char kDescriptionNeededFormat[] =
    "kinetrax-cli: add needs --description: the journal holds no record of \"%s\" to take it from";
inline constexpr char kDuplicate[] = "kinetrax-cli: the journal already holds this record; nothing was added";
inline constexpr char kAddedFormat[] = "Added to %s: %s %s: %s (%s) - %.2f minutes, %.1f calories\n";
inline constexpr char kNotSelectedFormat[] =
    "kinetrax-cli: note: \"%s\" is not among the selected activities, so the formula gives it 0 calories";
inline constexpr char kExportedFormat[] = "Wrote %d records to %s\n";
inline constexpr char kPeriodFormat[] = "Averaging period: %s\n\n";
inline constexpr char kCheckFileFormat[] = "%s: %lld lines, %s\n";
inline constexpr char kCheckUnreadableFormat[] = "%s: cannot be read: %s\n";
inline constexpr char kNoDatabaseFilesFormat[] = "No database files in %s\n";

}  // namespace kt::cli::text
