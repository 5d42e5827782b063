#pragma once
// The command line of kinetrax-cli as data: which command, its options and operands. Reading it
// never touches a file, so every rule can be tested on plain vectors of words.
//
//   kinetrax-cli [--data-folder DIR] COMMAND [OPTIONS] [FILE]
//
// Options take their value as the next word or after "=" (--period=2). --data-folder and --help
// are understood before and after the command. Anything else that does not fit the command is
// an error: the caller prints the one-line message and ends with status 2.

#include <optional>
#include <string>
#include <vector>

namespace kt::cli {

enum class Command { None, Summary, ExportCsv, ImportCsv, Add, Check };

// A calendar day as typed: YYYY-MM-DD, a day that exists.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

struct Arguments {
    Command command = Command::None;
    bool help = false;     // --help: print the command's help (or the overview) and stop
    bool version = false;  // --version
    std::optional<std::string> dataFolder;
    // summary
    std::optional<int> period;  // 0..9
    // export-csv
    std::optional<CalendarDay> from;
    std::optional<CalendarDay> to;
    // export-csv and import-csv: the file operand
    std::string file;
    // add
    std::string activity;
    std::string duration;  // as typed; the capture reads it with the user's MaxHours
    std::optional<std::string> description;
    std::optional<std::string> location;
    std::optional<std::string> calories;  // as typed, known to be a number
    std::optional<std::string> notes;
    std::optional<CalendarDay> date;
};

struct ParseResult {
    Arguments args;
    std::string error;  // empty when the words made sense
};

// `words` are the arguments without the program name.
ParseResult ParseArguments(const std::vector<std::string>& words);

// The command's name on the command line ("export-csv"); "" for None.
const char* CommandName(Command command);

// "2024-05-07"; nullopt for any other form and for days that do not exist (2023-02-29).
std::optional<CalendarDay> ParseCalendarDay(const std::string& text);

// A duration as the grid takes it: one to three numbers separated by colons ("45", "1.5",
// "1:30", "1:15:30"), each digits with an optional fraction.
bool IsDurationText(const std::string& text);

}  // namespace kt::cli
